#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemImport.h"
#include "ItemWord.h"
#include "ProjectReader.h"

std::unique_ptr<CItemBase> CreateEntry(Keyword keyword)
{
  switch (keyword) {
  case Keyword::BeginGroup:
    return std::make_unique<CItemGroup>();
  case Keyword::BeginSystem:
    return std::make_unique<CItemSystem>();
  case Keyword::Include:
    return std::make_unique<CItemInclude>();
  case Keyword::Library:
    return std::make_unique<CItemLibrary>();
  case Keyword::Double:
    return std::make_unique<CItemDouble>();
  case Keyword::DoubleLink:
    return std::make_unique<CItemDoubleLink>();
  case Keyword::Enable:
    return std::make_unique<CItemEnable>();
  case Keyword::EnableLink:
    return std::make_unique<CItemEnableLink>();
  case Keyword::Word:
    return std::make_unique<CItemWord>();
  case Keyword::Choice:
    return std::make_unique<CItemChoice>();
  default:
    return nullptr;
  }
}
