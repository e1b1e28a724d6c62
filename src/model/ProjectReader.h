#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CItemBase;
class CItemGroup;
class CMessageSink;
struct CSharedText;

// Limits of the project text reader; past each the reader reports a format
// error (lines, nesting, entries, points) or refuses to load the source (includes).
constexpr size_t kMaxLineLength = 4u << 20;
constexpr int kMaxNestingDepth = 256;
constexpr int kMaxImportDepth = 16;
// Entries of one load, includes and libraries counted with it. An entry takes
// about ten times the memory of its shortest record, so without a bound a
// file of short records would need many times its size.
constexpr int kMaxEntryCount = 1000000;
// Points that point matrices and point arcs of one load may build: four
// lattices of the largest size.
constexpr size_t kMaxGeneratedPointCount = 4000000;

// State shared by one load: where messages go, which included files and
// library models are being loaded, and where the first format error was.
class CParseContext {
public:
  explicit CParseContext(CMessageSink* messages = nullptr) : m_pMessages(messages) {}

  // FALSE when the source is already being loaded or the imports nest too deep.
  bool EnterSource(const std::string& key);
  void LeaveSource() { m_sources.pop_back(); }

  CMessageSink* m_pMessages;
  // Line (from 1) of the first format error of the outermost text, 0 if none.
  int m_nErrorLine = 0;
  // Entries added so far by this load.
  int m_nEntryCount = 0;
  size_t m_nGeneratedPointCount = 0;

private:
  std::vector<std::string> m_sources;
};

// The reader's keywords, in the order of its table.
enum class Keyword {
  BeginSimData,
  EndSimData,
  BeginGroup,
  EndGroup,
  BeginSystem,
  EndSystem,
  Polygon,
  Grid,
  Sphere,
  Double,
  Point,
  PointMatrix,
  Include,
  Disk,
  Line,
  Cone,
  PointArc,
  Ellipse,
  Ellipsoid,
  Arc,
  Arc2,
  DoubleLink,
  Enable,
  EnableLink,
  Modul,
  Word,
  Choice,
  Library,
  Rectangle,
  None
};

Keyword LookUpKeyword(std::string_view word);
// A new entry of the keyword's kind, or null for keywords that make none.
std::unique_ptr<CItemBase> CreateEntry(Keyword keyword);

// Reads a project text and adds its entries to the container. FALSE on a
// format error (a line too long, a line that is neither blank nor starts
// with a word, nesting too deep, too many entries or points); the entries read before it stay, and the
// line is recorded in the context. The text itself is never changed.
bool Parse(std::string_view text, CItemGroup& container, CParseContext& context);
// As above; entries may keep parts of the shared text, to write them back
// by copying where that gives the same text.
bool Parse(const CSharedText& text, CItemGroup& container, CParseContext& context);
