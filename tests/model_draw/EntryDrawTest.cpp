#include "DrawFeedback.h"
#include "EntryLimits.h"
#include "GLContext.h"
#include "ItemGrid.h"
#include "ItemPointMatrix.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

class EntryDraw : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(m_context.Create(4, 4)); }

  static CFeedback Capture(CItemBase& entry)
  {
    return CaptureFeedback([&entry] { entry.Draw(0); });
  }

  // The default grid from -5 to 5 with only one kind of line and no face.
  static void LinesOnly(CItemGrid& grid, bool centred, bool major)
  {
    grid.SetInsertDefaults();
    grid.m_bFill = 0;
    grid.m_bOutline = 0;
    grid.m_bMajorCentred = centred;
    grid.m_bMinorCentred = centred;
    grid.m_bMajorLines = major;
    grid.m_bMinorLines = !major;
  }

  static GLint StackDepth()
  {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
  }

  static void ExpectPositions(const std::vector<double>& expected, const std::vector<double>& actual)
  {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i)
      EXPECT_NEAR(expected[i], actual[i], 1e-4) << i;
  }

  CGLContext m_context;
};

} // namespace

// From the corner or both ways from the origin, the default grid has the
// same lines, the minor ones skipped where major lines lie; steps whose
// lines pass the bounds draw nothing (the line family refuses the others),
// nor does a major step of 0 (no divisions), and one division skips every
// minor line.
TEST_F(EntryDraw, GridLinesSkipWhereMajorLinesLieAndStepsThatCannotBeDrawnDrawNothing)
{
  std::vector<double> minor;
  for (int i = 1; i < 50; ++i)
    if (i % 5 != 0)
      minor.push_back(-5.0 + 0.2 * i);
  const std::vector<double> major = {-4, -3, -2, -1, 0, 1, 2, 3, 4};
  struct Case {
    bool major;
    std::function<void(CItemGrid&)> change;
    std::vector<double> lines;
  };
  auto minorStep = [](double step) { return [step](CItemGrid& grid) { grid.m_minorStep = step; }; };
  const Case cases[] = {
      {false, [](CItemGrid&) {}, minor},
      {true, [](CItemGrid&) {}, major},
      {false, minorStep(kInf), {}},
      {false, minorStep(1e-9), {}},
      {true, [](CItemGrid& grid) { grid.m_majorStep = 0.0; }, {}},
      {false, [](CItemGrid& grid) { grid.m_nDivisions = 1; }, {}},
  };
  CItemGrid grid;
  for (const Case& c : cases)
    for (bool centred : {false, true})
      for (bool vertical : {false, true}) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases << " centred " << centred << " x " << vertical);
        LinesOnly(grid, centred, c.major);
        c.change(grid);
        ExpectPositions(c.lines, LinePositions(Capture(grid), vertical));
      }
}

// The cross of a point lands at (1, 2) + (0, 1), turned with its system;
// a hidden system hides it. Deeply nested, the point stays in the frame of
// the deepest system that has one, and the matrix stack stays balanced.
TEST_F(EntryDraw, SystemsPlaceTheirChildrenAndKeepTheMatrixStackBalanced)
{
  CItemGroup root;
  auto system = std::make_unique<CItemSystem>();
  system->m_position = {1, 2, 0};
  system->m_rotation = {0, 0, 90};
  CItemSystem* turned = system.get();
  root.AddChild(std::move(system));
  CItemGroup deep;
  CItemGroup* parent = &deep;
  for (int i = 0; i < 40; ++i) {
    system = std::make_unique<CItemSystem>();
    system->m_position = {0.1, 0, 0};
    CItemSystem* raw = system.get();
    parent->AddChild(std::move(system));
    parent = raw;
  }
  for (CItemGroup* holder : {static_cast<CItemGroup*>(turned), parent}) {
    auto point = std::make_unique<CItemPoint>();
    point->m_position = {holder == turned ? 1.0 : 0.0, 0, 0};
    point->m_size = 0.5;
    holder->AddChild(std::move(point));
  }
  const GLint depth = StackDepth();
  CFeedback feedback = CaptureFeedback([&root] { root.DrawChildren(); });
  ExpectPositions({1.0}, LinePositions(feedback, true));
  ExpectPositions({3.0}, LinePositions(feedback, false));
  turned->m_bVisible = 0;
  EXPECT_TRUE(CaptureFeedback([&root] { root.DrawChildren(); }).lines.empty());
  feedback = CaptureFeedback([&deep] { deep.DrawChildren(); });
  ExpectPositions({0.1 * kMaxDrawnSystemDepth}, LinePositions(feedback, true));
  EXPECT_EQ(StackDepth(), depth);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EntryDraw, EveryGeneratedPointGetsAMarker)
{
  CItemPointMatrix matrix;
  matrix.m_size = 0.1;
  matrix.m_position = {-1, 0, 0};
  matrix.m_nCountX = 3;
  matrix.m_nCountY = 1;
  matrix.m_stepX = 1.0;
  matrix.GeneratePoints();
  ExpectPositions({-1, 0, 1}, LinePositions(Capture(matrix), true));
  matrix.m_nStyle = 7;
  EXPECT_TRUE(Capture(matrix).lines.empty());
}

TEST_F(EntryDraw, FaceWithoutExtentDrawsNothing)
{
  CItemPolygon face;
  face.m_vertices = {{0, 0, 0}, {1, 0, 0}};
  EXPECT_TRUE(Capture(face).lines.empty());
}
