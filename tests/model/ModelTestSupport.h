#pragma once

#include "ItemGroup.h"
#include "MessageRecorder.h"
#include "ProjectReader.h"
#include "TextBuffer.h"

#include <string>
#include <vector>

// A root read from a text, with what the reader reported.
struct CParsedTree {
  // From a text or a shared text, which the entries may copy numbers from.
  template <class Text> explicit CParsedTree(const Text& text)
  {
    CParseContext context(&messages);
    ok = Parse(text, root, context);
    errorLine = context.m_nErrorLine;
  }
  std::string Write()
  {
    CTextBuffer out;
    root.WriteRecord(out, std::string());
    return std::string(out.View());
  }

  CMessageRecorder messages;
  CItemGroup root;
  bool ok = false;
  int errorLine = 0;
};

// A project text around the given records; its root is P.
inline std::string InProject(const std::string& records)
{
  return "begin-sim-data P  _ 1 1 0 \n" + records + "\nend-sim-data";
}

// Head of a coloured entry's record in P: position (1, 2, 3), rotation 0,
// fill colour 0.5, line colour 0.25, then the flags text.
inline std::string ColourRecord(const char* keyword, const char* name, const char* flags = "1 1 ")
{
  return std::string(keyword) + " " + name + " P _ 1 1 1 2 3 0 0 0 0.5 0.5 0.5 0.25 0.25 0.25 " + flags;
}

template <class T> T* EntryAt(CItemGroup& root, const char* path)
{
  return dynamic_cast<T*>(root.FindByPath(path));
}
