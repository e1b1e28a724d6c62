#include "ItemImport.h"
#include "ItemPolygon.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

// Fields after a record's head: n number, v three numbers, i any integer,
// k a small count, f a flag, w a word, p polygon vertices, o choice options,
// l a library name, c the head of a placed, coloured entry.
struct CRecordKind {
  const char* keyword;
  const char* fields;
  const char* end = nullptr; // closes a container
};

constexpr CRecordKind kKinds[] = {
    {"begin-group", "i", "end-group"},
    {"begin-system", "ivv", "end-system"},
    {"library", "ivvl"},
    {"double", "nnn"},
    {"doublelink", "nnnw"},
    {"enable", "i"},
    {"enablelink", "iw"},
    {"word", "iii"},
    {"choice", "iio"},
    {"point", "cni"},
    {"pointmatrix", "cnikknn"},
    {"pointarc", "cniknnnnn"},
    {"polygon", "cfp"},
    {"rectangle", "cfp"},
    {"grid", "cfpvvknnnkkkk"},
    {"arc2", "cnnnnnnnn"},
    {"ellipsoid", "cnnnnnnnn"},
    {"cone", "cnnnnnnnnnnnn"},
    {"line", "cvvn"},
    {"ellipse", "cnnnnnnnnn"},
};
constexpr int kContainerKinds = 2;

// Random project texts with every record kind the reader knows.
class CRecordGenerator {
public:
  explicit CRecordGenerator(unsigned seed) : m_random(seed) {}

  // Appends the records of a container's children; returns the entries they make.
  size_t Children(std::string& text, int depth)
  {
    size_t entries = 0;
    for (int i = Pick(0, 6); i > 0; --i)
      entries += Record(text, depth);
    return entries;
  }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

  std::string Word(bool allowEmpty)
  {
    static constexpr const char* kWords[] = {"Wand", "T\xFCr",     "Ecke_3",          "a^b",
                                             "x-y",  "Decke_hoch", "R.\xC4nderung.@7"};
    return allowEmpty && Pick(0, 3) == 0 ? "_" : kWords[Pick(0, 6)];
  }

  std::string Number()
  {
    // Forms the reader must take besides its own: no exponent, short exponents, signs, out of range.
    static constexpr const char* kForms[] = {"0", "inf", "-inf", "nan", "1e400", "-1e-400", "+5", "1.0e+01"};
    char text[32];
    switch (Pick(0, 5)) {
    case 0:
      return kForms[Pick(0, 7)];
    case 1:
      std::snprintf(text, sizeof text, "%.17g",
                    std::ldexp(std::uniform_real_distribution<double>(-1, 1)(m_random), Pick(-1000, 1000)));
      return text;
    default:
      std::snprintf(text, sizeof text, "%.17g", std::uniform_real_distribution<double>(-1000, 1000)(m_random));
      return text;
    }
  }

  void Fields(std::string& text, std::string_view codes)
  {
    for (char code : codes) {
      switch (code) {
      case 'n':
        text += Number();
        break;
      case 'v':
        text += Number() + " " + Number() + " " + Number();
        break;
      case 'i':
        text += std::to_string(Pick(-2, 70000));
        break;
      case 'k':
        text += std::to_string(Pick(-2, 5));
        break;
      case 'f':
        text += std::to_string(Pick(0, 1));
        break;
      case 'w':
        text += Word(true);
        break;
      case 'c':
        Fields(text, "vvvvff");
        continue;
      case 'l':
        text += Pick(0, 1) ? "SceneB1" : "Fehlt";
        break;
      case 'p': {
        int count = Pick(0, 5);
        text += std::to_string(count) + " ";
        Fields(text, std::string(static_cast<size_t>(count), 'v'));
        break;
      }
      case 'o': {
        int high = Pick(-1, 4); // -1: no options at all
        text += std::to_string(high < 0 ? 65535 : high);
        for (int i = Pick(0, high + 1); i > 0; --i)
          text += " " + Word(false);
        break;
      }
      }
      text += ' ';
    }
  }

  size_t Record(std::string& text, int depth)
  {
    const CRecordKind& kind = kKinds[Pick(depth < 4 ? 0 : kContainerKinds, std::size(kKinds) - 1)];
    text += std::string(kind.keyword) + " " + Word(false) + " P " + Word(true) + " ";
    Fields(text, "ff");
    Fields(text, kind.fields);
    text += '\n';
    if (!kind.end)
      return 1;
    size_t entries = 1 + Children(text, depth + 1);
    text += std::string(kind.end) + "\n";
    return entries;
  }

  std::mt19937 m_random;
};

// Entries read from the text itself, not from the libraries it names.
size_t CountOwnEntries(const CItemGroup& group)
{
  size_t count = 0;
  for (const auto& child : group.Children()) {
    ++count;
    if (child->AsGroup() && !dynamic_cast<const CItemImport*>(child.get()))
      count += CountOwnEntries(*child->AsGroup());
  }
  return count;
}

} // namespace

TEST(RoundTrip, EveryRecordKindWritesATextThatReadsBackToItself)
{
  for (unsigned seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    std::string text;
    size_t entries = CRecordGenerator(seed).Children(text, 0);
    CParsedTree first(InProject(text));
    ASSERT_TRUE(first.ok);
    // A refused record would drop out of both written texts unnoticed.
    ASSERT_EQ(CountOwnEntries(first.root), entries);
    std::string written = first.Write();
    ASSERT_EQ(CParsedTree(written).Write(), written);
    // Numbers copied from the text read give what formatting them gives.
    CTextBuffer source;
    source.Assign(InProject(text));
    ASSERT_EQ(CParsedTree(source.Share()).Write(), written);
    source.Assign(written);
    ASSERT_EQ(CParsedTree(source.Share()).Write(), written);
  }
}

TEST(RoundTrip, PolygonsReadFromASharedTextWriteTheirVerticesAsChanged)
{
  const std::string text = InProject(ColourRecord("polygon", "F") +
                                     "0 3 8.5e+00 1.000000000000000e-001 -2.5e+01 1 2 3 4.000000000000000e+00 "
                                     "5.000000000000000e+000 -6.000000000000000e+00 ");
  const std::vector<void (*)(CVectorArray&)> changes = {
      [](CVectorArray&) {},
      [](CVectorArray& v) { v[2].y = 5.000000000000001; },
      [](CVectorArray& v) {
        v.push_back({7, 8, 9});
      },
      [](CVectorArray& v) { v.erase(v.begin()); },
  };
  for (auto change : changes) {
    CTextBuffer source;
    source.Assign(text);
    CParsedTree shared(source.Share());
    CParsedTree plain(text);
    // The entries keep their share of the text when the buffer changes.
    source.Assign(std::string(text.size(), 'x'));
    change(EntryAt<CItemPolygon>(shared.root, "P.F")->m_vertices);
    change(EntryAt<CItemPolygon>(plain.root, "P.F")->m_vertices);
    std::string written = plain.Write();
    EXPECT_EQ(shared.Write(), written);
    EXPECT_EQ(shared.Write(), written);
  }
}

TEST(RoundTrip, TheExampleRecordFormat)
{
  const char* text = "begin-sim-data Projekt  _ 1 1 0 \n"
                     "begin-group Raum_1 Projekt Besprechung 1 0 32 \n"
                     "enable Licht_an Raum_1 Schalter_Eingang 1 1 1 \n"
                     "double H\xF6he Raum_1 _ 0 1 1.000000000000000e-001 -1.000000000000000e+300 "
                     "1.000000000000000e+300 \n"
                     "end-group\n"
                     "end-sim-data";
  EXPECT_EQ(CParsedTree(text).Write(), text);
}
