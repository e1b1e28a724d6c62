#include "ModelResources.h"

#include "FileAccess.h"
#include "RawResource.h"
#include "TextBuffer.h"

#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr std::array<int, 12> kResourceOfCode{141, 140, 139, 144, 143, 142, 147, 146, 145, 150, 149, 148};

constexpr std::array<std::pair<const char*, int>, 8> kLibraryCodes{{
    {"SceneB1", 2},
    {"UnitB1", 3},
    {"SceneB2", 5},
    {"UnitB2", 6},
    {"SceneC1", 8},
    {"UnitC1", 9},
    {"SceneA1", 11},
    {"UnitA1", 12},
}};

} // namespace

int FindLibraryModelCode(std::string_view libraryName)
{
  for (const auto& [name, code] : kLibraryCodes)
    if (libraryName == name)
      return code;
  return 0;
}

int ModelResourceNumber(int modelCode)
{
  if (modelCode >= 1 && modelCode <= static_cast<int>(kResourceOfCode.size()))
    return kResourceOfCode[static_cast<size_t>(modelCode - 1)];
  return modelCode;
}

bool LoadModelResource(int modelCode, CTextBuffer& text)
{
  if (modelCode == 0)
    return false;
  const CRawResource* resource = FindRawResource(ModelResourceNumber(modelCode));
  if (!resource || resource->size > static_cast<size_t>(CTextBuffer::kMaxLength))
    return false;
  int size = static_cast<int>(resource->size);
  char* data = text.Reserve(size);
  if (!data)
    return false;
  if (size > 0)
    std::memcpy(data, resource->data, resource->size);
  Scramble(data, resource->size);
  text.SetLength(size);
  return true;
}
