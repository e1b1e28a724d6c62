#include "ModuleSection.h"

#include "ModuleTable.h"
#include "RecordCursor.h"
#include "TextBuffer.h"

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
    size_t end = text.find_first_of("\n\r", pos);
    if (end == std::string_view::npos)
      end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = text.find_first_not_of("\n\r", end);
    if (pos == std::string_view::npos)
      pos = text.size();

    // The text of a line ends at a NUL byte, as it would for the C library.
    CRecordCursor cursor(line.substr(0, line.find('\0')));
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
