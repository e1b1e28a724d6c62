#include "Messages.h"

#include <array>
#include <utility>

std::string LoadString(int id)
{
  static constexpr std::array<std::pair<int, const char*>, 3> kTable{{
      {IDS_CHANGE, "\xC4ndern"},
      {IDS_INSERT, "Einf\xFCgen"},
      {IDS_NAME_CLASH, "Der angegebene Name verursacht einen Fehler!"},
  }};
  for (const auto& [key, text] : kTable)
    if (key == id)
      return text;
  return {};
}
