#include "PlanEntryFields.h"

#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ItemPoint.h"
#include "ItemWord.h"

void AddNumber(CItemGroup& group, const std::string& name, double value)
{
  auto number = std::make_unique<CItemDouble>();
  number->m_strName = name;
  number->m_value = value;
  number->m_min = -1e300;
  number->m_max = 1e300;
  group.AddChild(std::move(number));
}

void AddIndex(CItemGroup& group, const std::string& name, size_t value)
{
  auto word = std::make_unique<CItemWord>();
  word->m_strName = name;
  word->m_nValue = static_cast<uint16_t>(value);
  word->m_nHigh = static_cast<uint16_t>(kMaxOutlineCorners - 1);
  group.AddChild(std::move(word));
}

void AddPoint(CItemGroup& group, const std::string& name, const CPlanPoint& point)
{
  auto entry = std::make_unique<CItemPoint>();
  entry->m_strName = name;
  entry->m_position = {point.x, point.y, 0.0};
  group.AddChild(std::move(entry));
}
