#include "ModuleSection.h"

#include "ModuleTable.h"
#include "RecordCursor.h"
#include "TextBuffer.h"
#include "TextLines.h"

#include <string>

namespace {

constexpr std::string_view kBeginSection = "begin-sim-module";
constexpr std::string_view kEndSection = "end-sim-module";
// Longer than any keyword, so that a cut word never matches one.
constexpr size_t kMaxKeywordLength = 32;

} // namespace

void WriteModuleSection(CTextBuffer& out, const CModuleTable& modules)
{
  out.Append('\n');
  out.Append(kBeginSection);
  for (const CModule* module : modules.InStorageOrder())
    module->WriteConfig(out);
  out.Append('\n');
  out.Append(kEndSection);
  out.Append('\n');
}

void ReadModuleSection(std::string_view text, CModuleTable& modules)
{
  bool open = false;
  size_t pos = 0;
  while (pos < text.size()) {
    // Each turn ends past its line, whatever the line holds.
    size_t end = FindLineEnd(text, pos);
    std::string_view line = text.substr(pos, end - pos);
    for (pos = end; pos < text.size() && (text[pos] == '\n' || text[pos] == '\r');)
      ++pos;

    CRecordCursor cursor(ReadablePart(line));
    std::string word;
    if (!cursor.ReadWord(word, kMaxKeywordLength))
      continue;
    if (word == kBeginSection || word == kEndSection) {
      open = word == kBeginSection;
      continue;
    }
    CModule* module = open ? modules.FindByName(word) : nullptr;
    if (module)
      module->ReadConfig(cursor);
  }
}
