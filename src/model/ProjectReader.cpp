#include "ProjectReader.h"

#include "ItemGroup.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"
#include "TextLines.h"

#include <array>

namespace {

constexpr std::array<const char*, static_cast<size_t>(Keyword::None)> kKeywords{
    "begin-sim-data", "end-sim-data", "begin-group", "end-group",  "begin-system", "end-system",
    "polygon",        "grid",         "sphere",      "double",     "point",        "pointmatrix",
    "include",        "disk",         "line",        "cone",       "pointarc",     "ellipse",
    "ellipsoid",      "arc",          "arc2",        "doublelink", "enable",       "enablelink",
    "modul",          "word",         "choice",      "library",    "rectangle",
};

// Longer than any keyword, so that a cut word never matches one.
constexpr size_t kMaxKeywordLength = 64;

bool IsBlankLine(std::string_view line)
{
  for (char c : line)
    if (c != ' ' && c != '\t' && c != '\v' && c != '\f')
      return false;
  return true;
}

int NestingDepth(const CItemGroup* container)
{
  int depth = 0;
  for (const CItemBase* entry = container; entry->m_pParent; entry = entry->m_pParent)
    ++depth;
  return depth;
}

class CTextReader {
public:
  CTextReader(std::string_view text, const std::shared_ptr<const char[]>* owner, CItemGroup& container,
              CParseContext& context)
      : m_text(text), m_pOwner(owner), m_container(container), m_context(context), m_pCurrent(&container)
  {
  }

  bool Run();

private:
  bool ReadLine(std::string_view line);
  bool ReadEntry(Keyword keyword, CRecordCursor& cursor);
  void NameContainer(CRecordCursor& cursor);
  void CloseContainer();
  bool Fail();

  std::string_view m_text;
  const std::shared_ptr<const char[]>* m_pOwner;
  CItemGroup& m_container;
  CParseContext& m_context;
  CItemGroup* m_pCurrent;
  bool m_bDataOpen = false;
  int m_nLine = 0;
};

bool CTextReader::Run()
{
  size_t pos = 0;
  m_nLine = 1;
  while (pos < m_text.size()) {
    size_t end = FindLineEnd(m_text, pos);
    if (end - pos > kMaxLineLength || !ReadLine(m_text.substr(pos, end - pos)))
      return Fail();
    // "\r\n", "\n" and a lone "\r" each end one line; empty lines count too,
    // so that an error names the line an editor shows.
    for (pos = end; pos < m_text.size() && (m_text[pos] == '\n' || m_text[pos] == '\r'); ++pos)
      if (m_text[pos] == '\n' || pos + 1 == m_text.size() || m_text[pos + 1] != '\n')
        ++m_nLine;
  }
  return true;
}

bool CTextReader::Fail()
{
  if (m_context.m_nErrorLine == 0)
    m_context.m_nErrorLine = m_nLine;
  return false;
}

bool CTextReader::ReadLine(std::string_view line)
{
  std::string_view readable = ReadablePart(line);
  CRecordCursor cursor(readable, m_pOwner);
  std::string word;
  if (!cursor.ReadWord(word, kMaxKeywordLength))
    return readable.size() == line.size() && IsBlankLine(line);
  Keyword keyword = LookUpKeyword(word);
  if (keyword == Keyword::BeginSimData) {
    m_bDataOpen = true;
    NameContainer(cursor);
    return true;
  }
  if (!m_bDataOpen)
    return true;
  switch (keyword) {
  case Keyword::EndSimData:
    m_bDataOpen = false;
    return true;
  case Keyword::EndGroup:
  case Keyword::EndSystem:
    CloseContainer();
    return true;
  case Keyword::BeginGroup:
  case Keyword::BeginSystem:
    if (NestingDepth(m_pCurrent) >= kMaxNestingDepth)
      return false;
    [[fallthrough]];
  default:
    if (keyword != Keyword::None && m_context.m_nEntryCount >= kMaxEntryCount)
      return false;
    return ReadEntry(keyword, cursor);
  }
}

void CTextReader::NameContainer(CRecordCursor& cursor)
{
  std::string name;
  if (cursor.ReadText(name, kMaxNameLength))
    m_container.m_strName = std::move(name);
  else if (m_container.m_strName.empty())
    m_container.m_strName = "Projekt";
}

void CTextReader::CloseContainer()
{
  // An end keyword above the container being read has nothing to close.
  if (m_pCurrent != &m_container && m_pCurrent->m_pParent)
    m_pCurrent = m_pCurrent->m_pParent;
}

// FALSE on a format error; a record that is merely refused is no error.
bool CTextReader::ReadEntry(Keyword keyword, CRecordCursor& cursor)
{
  std::unique_ptr<CItemBase> entry = CreateEntry(keyword);
  if (!entry)
    return true;
  entry->m_pParent = m_pCurrent;
  std::string parentName;
  if (!entry->ReadRecord(cursor, parentName))
    return true;
  m_context.m_nGeneratedPointCount += entry->GeneratedPointCount();
  if (m_context.m_nGeneratedPointCount > kMaxGeneratedPointCount)
    return false;
  CItemBase* added = entry.get();
  m_pCurrent->AddChild(std::move(entry));
  ++m_context.m_nEntryCount;
  CItemGroup* group = added->AsGroup();
  if (!group)
    return true;
  group->LoadContent(m_context);
  if (keyword == Keyword::BeginGroup || keyword == Keyword::BeginSystem)
    m_pCurrent = group;
  return true;
}

} // namespace

bool CParseContext::EnterSource(const std::string& key)
{
  if (m_sources.size() >= static_cast<size_t>(kMaxImportDepth))
    return false;
  for (const std::string& source : m_sources)
    if (source == key)
      return false;
  m_sources.push_back(key);
  return true;
}

Keyword LookUpKeyword(std::string_view word)
{
  for (size_t i = 0; i < kKeywords.size(); ++i)
    if (word == kKeywords[i])
      return static_cast<Keyword>(i);
  return Keyword::None;
}

bool Parse(std::string_view text, CItemGroup& container, CParseContext& context)
{
  if (text.empty())
    return true;
  return CTextReader(text, nullptr, container, context).Run();
}

bool Parse(const CSharedText& text, CItemGroup& container, CParseContext& context)
{
  if (text.text.empty())
    return true;
  return CTextReader(text.text, &text.owner, container, context).Run();
}
