#include "TreeCommands.h"

#include "FileAccess.h"
#include "ItemGroup.h"
#include "NumberFormat.h"
#include "ProjectReader.h"
#include "SourceFile.h"
#include "TextBuffer.h"
#include "TextEncoding.h"

#include <cstdio>

namespace {

// A project tree read from a SOURCE into a fresh root.
class CLoadedTree {
public:
  // Returns the exit status of the load; format errors are reported but
  // leave what was read before them.
  int Load(const std::string& source)
  {
    CTextBuffer text;
    std::string error;
    if (!ReadSource(source, text, error)) {
      PrintError(error);
      return kExitUnreadable;
    }
    CParseContext context(&m_messages);
    if (!Parse(text.View(), m_root, context)) {
      PrintError(source + ": Formatfehler in Zeile " + std::to_string(context.m_nErrorLine));
      return kExitUnreadable;
    }
    return kExitOk;
  }

  CItemGroup m_root;

private:
  CStderrMessages m_messages;
};

void WriteOut(std::string_view text)
{
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void PrintTree(const CItemBase& entry, int depth)
{
  const std::string& keyword = depth == 0 ? std::string("begin-sim-data") : entry.m_strKeyword;
  std::printf("%*s%s %s\n", 2 * depth, "", keyword.c_str(), Cp1252ToUtf8(entry.m_strName).c_str());
  if (const CItemGroup* group = entry.AsGroup())
    for (const auto& child : group->Children())
      PrintTree(*child, depth + 1);
}

} // namespace

int RunTextCommand(const std::string& source)
{
  CLoadedTree tree;
  int status = tree.Load(source);
  if (status == kExitOk || tree.m_root.Children().size() > 0) {
    CTextBuffer out;
    tree.m_root.WriteRecord(out, std::string());
    WriteOut(out.View());
  }
  return status;
}

int RunTreeCommand(const std::string& source)
{
  CLoadedTree tree;
  int status = tree.Load(source);
  PrintTree(tree.m_root, 0);
  return status;
}

int RunGetCommand(const std::string& source, const std::string& path)
{
  CLoadedTree tree;
  int status = tree.Load(source);
  if (status != kExitOk)
    return status;
  // Paths are given as in link records: "_" stands for a blank.
  std::string lookup = Utf8ToCp1252(path);
  for (char& c : lookup)
    if (c == '_')
      c = ' ';
  if (lookup.find('@') == std::string::npos) {
    if (CItemBase* entry = tree.m_root.FindByPath(lookup)) {
      bool root = entry == &tree.m_root;
      std::printf("%s %s\n", root ? "begin-sim-data" : entry->m_strKeyword.c_str(),
                  Cp1252ToUtf8(entry->m_strName).c_str());
      return kExitOk;
    }
  } else if (CFieldRef number = tree.m_root.LocateField(lookup, kLinkNumber); number.pField) {
    std::printf("%s\n", FormatDouble(*static_cast<double*>(number.pField)).c_str());
    return kExitOk;
  } else if (CFieldRef flag = tree.m_root.LocateField(lookup, kLinkSwitch); flag.pField) {
    std::printf("%d\n", *static_cast<int*>(flag.pField) ? 1 : 0);
    return kExitOk;
  }
  PrintError("Kein Eintrag unter " + lookup);
  return kExitUnreadable;
}

int RunScrambleCommand(const std::string& file)
{
  CTextBuffer text;
  ReadStatus status = ReadWholeFile(file, text);
  if (status != ReadStatus::Ok) {
    PrintError(DescribeReadStatus(status, file));
    return kExitUnreadable;
  }
  char* data = text.Reserve(text.GetLength());
  Scramble(data, static_cast<size_t>(text.GetLength()));
  WriteOut(text.View());
  return kExitOk;
}
