#include "ItemArc2.h"
#include "ItemCone.h"
#include "ItemDouble.h"
#include "ItemEllipse.h"
#include "ItemEllipsoid.h"
#include "ItemEnable.h"
#include "ItemGrid.h"
#include "ItemImport.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"
#include "ItemWord.h"
#include "LineItem.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

namespace {

// Builds random trees of every entry kind the reader knows.
class CTreeGenerator {
public:
  explicit CTreeGenerator(unsigned seed) : m_random(seed) {}

  void Fill(CItemGroup& group, int depth)
  {
    int count = Pick(0, 6);
    for (int i = 0; i < count; ++i)
      group.AddChild(MakeEntry(depth));
  }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

  std::string Text(bool allowEmpty)
  {
    static constexpr const char* kWords[] = {"Wand", "T\xFCr", "Ecke 3", "a^b", "x-y", "Decke hoch", "\xC4nderung"};
    if (allowEmpty && Pick(0, 3) == 0)
      return {};
    std::string text = kWords[Pick(0, 6)];
    if (Pick(0, 1))
      text += " " + std::to_string(Pick(0, 99));
    return text;
  }

  double Number()
  {
    switch (Pick(0, 5)) {
    case 0:
      return 0.0;
    case 1:
      return std::numeric_limits<double>::infinity();
    case 2:
      return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(m_random), Pick(-1000, 1000));
    default:
      return std::uniform_real_distribution<double>(-1000, 1000)(m_random);
    }
  }

  void Head(CItemBase& entry)
  {
    entry.m_strName = Text(false);
    entry.m_strDescription = Text(true);
    entry.m_bActive = Pick(0, 1);
    entry.m_bVisible = Pick(0, 1);
  }

  CVector Vector() { return {Number(), Number(), Number()}; }

  void Fill(std::initializer_list<double*> fields)
  {
    for (double* field : fields)
      *field = Number();
  }

  void FillGeometric(CItemBase& entry)
  {
    auto& placed = dynamic_cast<CItem3DColor&>(entry);
    for (CVector* v : {&placed.m_position, &placed.m_rotation, &placed.m_fillColor, &placed.m_lineColor})
      *v = Vector();
    placed.m_bFill = Pick(0, 1);
    placed.m_bOutline = Pick(0, 1);
    if (auto* point = dynamic_cast<CItemPoint*>(&entry)) {
      point->m_nStyle = Pick(-1, 3);
      Fill({&point->m_size});
    }
    if (auto* matrix = dynamic_cast<CItemPointMatrix*>(&entry)) {
      matrix->m_nCountX = Pick(-2, 4);
      matrix->m_nCountY = Pick(-2, 4);
      Fill({&matrix->m_stepX, &matrix->m_stepY});
    }
    if (auto* arc = dynamic_cast<CItemPointArc*>(&entry)) {
      arc->m_nCount = Pick(-2, 6);
      Fill({&arc->m_radius, &arc->m_factorX, &arc->m_factorY, &arc->m_startAngle, &arc->m_endAngle});
    }
    if (auto* polygon = dynamic_cast<CItemPolygon*>(&entry)) {
      polygon->m_bFront = Pick(0, 1);
      polygon->m_vertices.resize(static_cast<size_t>(Pick(0, 5)));
      for (CVector& v : polygon->m_vertices)
        v = Vector();
    }
    if (auto* grid = dynamic_cast<CItemGrid*>(&entry)) {
      grid->m_majorColor = Vector();
      grid->m_minorColor = Vector();
      grid->m_nDivisions = Pick(-1, 20);
      Fill({&grid->m_minorStep, &grid->m_majorWidth, &grid->m_minorWidth});
      for (int* flag : {&grid->m_bMajorLines, &grid->m_bMinorLines, &grid->m_bMajorCentred, &grid->m_bMinorCentred})
        *flag = Pick(0, 2);
    }
    if (auto* s = dynamic_cast<CItemArc2*>(&entry))
      Fill({&s->m_radius, &s->m_factorX, &s->m_factorY, &s->m_offsetZ, &s->m_slopeX, &s->m_slopeY, &s->m_startAngle,
            &s->m_endAngle});
    if (auto* e = dynamic_cast<CItemEllipsoid*>(&entry))
      Fill({&e->m_phiStart, &e->m_phiEnd, &e->m_thetaStart, &e->m_thetaEnd, &e->m_radius, &e->m_factorX, &e->m_factorY,
            &e->m_factorZ});
    if (auto* c = dynamic_cast<CItemCone*>(&entry))
      Fill({&c->m_slopeX1, &c->m_slopeY1, &c->m_slopeX2, &c->m_slopeY2, &c->m_z1, &c->m_radius1, &c->m_z2,
            &c->m_radius2, &c->m_startAngle, &c->m_endAngle, &c->m_factorX, &c->m_factorY});
    if (auto* line = dynamic_cast<CLineItem*>(&entry)) {
      line->m_start = Vector();
      line->m_end = Vector();
      Fill({&line->m_lineWidth});
    }
    if (auto* o = dynamic_cast<CItemEllipse*>(&entry))
      Fill({&o->m_innerRadius, &o->m_outerRadius, &o->m_factorX, &o->m_factorY, &o->m_startAngle, &o->m_endAngle,
            &o->m_offsetZ, &o->m_slopeX, &o->m_slopeY});
  }

  static constexpr Keyword kGeometricKinds[] = {
      Keyword::Point, Keyword::PointMatrix, Keyword::PointArc, Keyword::Polygon, Keyword::Rectangle, Keyword::Grid,
      Keyword::Arc2,  Keyword::Ellipsoid,   Keyword::Cone,     Keyword::Line,    Keyword::Ellipse};

  std::unique_ptr<CItemBase> MakeEntry(int depth)
  {
    int kind = Pick(depth < 4 ? 0 : 3, 21);
    std::unique_ptr<CItemBase> entry;
    switch (kind) {
    case 0:
    case 1: {
      auto group = kind == 0 ? std::make_unique<CItemGroup>() : std::make_unique<CItemSystem>();
      if (auto* system = dynamic_cast<CItemSystem*>(group.get())) {
        system->m_position = {Number(), Number(), Number()};
        system->m_rotation = {Number(), Number(), Number()};
      }
      group->m_nTreeState = Pick(0, 255);
      Fill(*group, depth + 1);
      entry = std::move(group);
      break;
    }
    case 2: {
      auto library = std::make_unique<CItemLibrary>();
      library->m_strLibraryName = Pick(0, 1) ? "SceneB1" : "Fehlt";
      entry = std::move(library);
      break;
    }
    case 3:
    case 4: {
      auto number = kind == 3 ? std::make_unique<CItemDouble>() : std::make_unique<CItemDoubleLink>();
      number->m_value = Number();
      number->m_min = Number();
      number->m_max = Number();
      if (auto* link = dynamic_cast<CItemDoubleLink*>(number.get()))
        link->m_strLinkPath = Text(true) + ".@" + std::to_string(Pick(0, 9));
      entry = std::move(number);
      break;
    }
    case 5:
    case 6: {
      auto flag = kind == 5 ? std::make_unique<CItemEnable>() : std::make_unique<CItemEnableLink>();
      flag->m_bValue = Pick(0, 1);
      if (auto* link = dynamic_cast<CItemEnableLink*>(flag.get()))
        link->m_strLinkPath = Text(true);
      entry = std::move(flag);
      break;
    }
    case 7: {
      auto word = std::make_unique<CItemWord>();
      word->m_nValue = static_cast<uint16_t>(Pick(0, 65535));
      word->m_nHigh = static_cast<uint16_t>(Pick(0, 65535));
      entry = std::move(word);
      break;
    }
    case 8:
    case 9:
    case 10: {
      auto choice = std::make_unique<CItemChoice>();
      int options = Pick(0, 5);
      choice->m_nValue = static_cast<uint16_t>(Pick(0, 4));
      choice->m_nLow = 0;
      choice->m_nHigh = options == 0 ? CItemChoice::kNone : static_cast<uint16_t>(options - 1);
      for (int i = 0; i < options; ++i)
        choice->m_options.push_back(Text(false));
      entry = std::move(choice);
      break;
    }
    default:
      entry = CreateEntry(kGeometricKinds[kind - 11]);
      FillGeometric(*entry);
      break;
    }
    Head(*entry);
    if (auto* import = dynamic_cast<CItemImport*>(entry.get()))
      import->m_strOwnName = import->m_strName;
    return entry;
  }

  std::mt19937 m_random;
};

} // namespace

TEST(RoundTrip, WrittenTextsReadBackToTheSameText)
{
  for (unsigned seed = 1; seed <= 200; ++seed) {
    CItemGroup root;
    root.m_strName = "Projekt " + std::to_string(seed);
    CTreeGenerator(seed).Fill(root, 0);
    CTextBuffer first;
    root.WriteRecord(first, std::string());
    CParsedTree back(first.View());
    ASSERT_TRUE(back.ok) << "seed " << seed;
    ASSERT_EQ(back.Write(), first.View()) << "seed " << seed;
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
