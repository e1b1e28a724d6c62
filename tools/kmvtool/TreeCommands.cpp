#include "TreeCommands.h"

#include "FileAccess.h"
#include "ItemGroup.h"
#include "NumberFormat.h"
#include "SourceFile.h"
#include "TextBuffer.h"
#include "TextEncoding.h"

#include <cstdio>

namespace {

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
  CLoadedProject loaded;
  int status = loaded.Load(source);
  CProject& project = loaded.m_project;
  bool empty = project.GetRoot().Children().empty();
  if (status != kExitOk && empty)
    return status;
  // A load without entries leaves the text as read; saving would write this.
  if (empty)
    project.Refresh();
  WriteOut(loaded.m_text.View());
  return status;
}

int RunTreeCommand(const std::string& source)
{
  CLoadedProject loaded;
  int status = loaded.Load(source);
  PrintTree(loaded.m_project.GetRoot(), 0);
  return status;
}

int RunGetCommand(const std::string& source, const std::string& path)
{
  CLoadedProject loaded;
  int status = loaded.Load(source);
  if (status != kExitOk)
    return status;
  CItemGroup& root = loaded.m_project.GetRoot();
  // Paths are given as in link records: "_" stands for a blank.
  std::string lookup = Utf8ToCp1252(path);
  for (char& c : lookup)
    if (c == '_')
      c = ' ';
  if (lookup.find('@') == std::string::npos) {
    if (CItemBase* entry = root.FindByPath(lookup)) {
      bool isRoot = entry == &root;
      std::printf("%s %s\n", isRoot ? "begin-sim-data" : entry->m_strKeyword.c_str(),
                  Cp1252ToUtf8(entry->m_strName).c_str());
      return kExitOk;
    }
  } else if (CFieldRef number = root.LocateField(lookup, kLinkNumber); number.pField) {
    std::printf("%s\n", FormatDouble(*static_cast<double*>(number.pField)).c_str());
    return kExitOk;
  } else if (CFieldRef flag = root.LocateField(lookup, kLinkSwitch); flag.pField) {
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
