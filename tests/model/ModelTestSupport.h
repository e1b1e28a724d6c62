#pragma once

#include "ItemGroup.h"
#include "Messages.h"
#include "ProjectReader.h"
#include "TextBuffer.h"

#include <string>
#include <vector>

// Keeps every message the core shows.
class CMessageRecorder : public CMessageSink {
public:
  void ShowMessage(const std::string& caption, const std::string& text) override
  {
    m_captions.push_back(caption);
    m_texts.push_back(text);
  }
  std::vector<std::string> m_captions;
  std::vector<std::string> m_texts;
};

// A root read from a text, with what the reader reported.
struct CParsedTree {
  explicit CParsedTree(std::string_view text)
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

template <class T> T* EntryAt(CItemGroup& root, const char* path)
{
  return dynamic_cast<T*>(root.FindByPath(path));
}
