#include "PlanUnderlay.h"
#include "BuiltinModels.h"
#include "KMVDocument.h"
#include "PlanChange.h"
#include "PlanEntries.h"
#include "PlanRoom.h"
#include "RoomProject.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

CRoomPlan Square()
{
  CRoomPlan plan;
  plan.outline = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  plan.height = 2.5;
  return plan;
}

class PlanUnderlayTest : public TempFolderTest {};

} // namespace

TEST_F(PlanUnderlayTest, TheUnderlayIsKeptThroughAFileWithEveryByteOfItsName)
{
  CRoomPlan plan = Square();
  CTextBuffer bare;
  ASSERT_FALSE(CompleteRoomPlan(plan));
  ASSERT_TRUE(MakePlanRoomProject(1, plan, bare));
  EXPECT_EQ(std::string(bare.View()).find(kUnderlayGroupName), std::string::npos);

  // A blank, '_', '%', a Windows-1252 umlaut and UTF-8 bytes; absolute
  // while the project has no file, relative once it has.
  const std::string name = "Pl\xe4ne/EG grund_riss%1 \xc3\xa4.pdf";
  plan.underlay = CPlanUnderlay{Path(name), 2, 0.0125, {-1.5, 7.25}, 0.4};
  CKMVDocument made;
  ASSERT_TRUE(OpenPlanRoom(made, 1, plan, "U"));
  ASSERT_TRUE(made.SaveAs(Path("u.kmv")));
  CKMVDocument read;
  ASSERT_TRUE(read.OnOpenDocument(Path("u.kmv")));
  std::optional<CRoomPlan> kept = FindRoomPlan(read.GetProject());
  ASSERT_TRUE(kept && kept->underlay);
  EXPECT_EQ(kept->underlay->file, name);
  EXPECT_EQ(kept->underlay->page, 2u);
  EXPECT_EQ(kept->underlay->scale, 0.0125);
  EXPECT_EQ(kept->underlay->place.y, 7.25);
  EXPECT_EQ(kept->underlay->opacity, 0.4);
  // Saved elsewhere, the name still finds the file.
  std::filesystem::create_directories(Path("neu"));
  ASSERT_TRUE(read.SaveAs(Path("neu/u.kmv")));
  EXPECT_EQ(FindRoomPlan(read.GetProject())->underlay->file, "../" + name);

  // A damaged underlay is dropped, never the plan.
  std::string damaged(made.GetText().View());
  damaged.replace(damaged.find("Deckkraft"), 9, "Deckkraff");
  CKMVDocument tolerant;
  ASSERT_TRUE(tolerant.OnNewDocumentFromText("D", damaged));
  kept = FindRoomPlan(tolerant.GetProject());
  ASSERT_TRUE(kept);
  EXPECT_FALSE(kept->underlay);
}

TEST(PlanUnderlayNames, FileNamesAreStoredRelativeToTheProjectAndFoundAgain)
{
  struct Case {
    const char* project;
    const char* file;
    const char* stored;
  };
  for (const Case& c : {Case{"/p/b/haus.kmv", "/p/b/pl\xe4ne/eg.png", "pl\xe4ne/eg.png"},
                        Case{"/p/b/haus.kmv", "/p/c/eg.pdf", "../c/eg.pdf"}, Case{"", "/p/c/eg.pdf", "/p/c/eg.pdf"}}) {
    std::optional<std::string> stored = StoredUnderlayName(c.project, c.file);
    ASSERT_TRUE(stored) << c.file;
    EXPECT_EQ(*stored, c.stored);
    EXPECT_EQ(std::filesystem::path(UnderlayFilePath(c.project, *stored)).lexically_normal(), c.file);
  }
  EXPECT_FALSE(StoredUnderlayName("", "/" + std::string(200, ' ')));
}

TEST(PlanUnderlayScale, TwoPointsAndTheirDistanceScaleAboutTheFirst)
{
  const CPlanUnderlay underlay{"eg.png", 0, 0.01, {2.0, 10.0}, 1.0};
  std::optional<CPlanUnderlay> scaled = MeasuredUnderlay(underlay, {2.0, 6.0}, {4.0, 6.0}, 5.0);
  ASSERT_TRUE(scaled);
  EXPECT_DOUBLE_EQ(scaled->scale, 0.025);
  EXPECT_DOUBLE_EQ(scaled->place.x, 2.0);
  EXPECT_DOUBLE_EQ(scaled->place.y, 16.0);
  EXPECT_FALSE(MeasuredUnderlay(underlay, {1, 1}, {1, 1}, 5.0));
  EXPECT_FALSE(MeasuredUnderlay(underlay, {1, 1}, {2, 1}, 0.0));
}

TEST_F(PlanUnderlayTest, AnEmptyPlanWaitsForItsOutlineAndTakesIt)
{
  RoomRequest request;
  request.modelCode = 1;
  request.height = 2.75;
  request.drawOutline = true;
  CTextBuffer text;
  ASSERT_EQ(MakeRoomProject(request, text), RoomFault::None);
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText(RoomTitle(request), text.View()));
  ASSERT_TRUE(document.SaveAs(Path("leer.kmv")));
  ASSERT_TRUE(document.OnOpenDocument(Path("leer.kmv")));
  EXPECT_FALSE(FindRoomPlan(document.GetProject()));
  std::optional<CRoomPlan> empty = FindEditablePlan(document.GetProject());
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->outline.empty());
  EXPECT_EQ(empty->height, 2.75);

  CRoomPlan drawn = *empty;
  drawn.outline = Square().outline;
  ASSERT_FALSE(ChangeRoomPlan(document, drawn, "Umriss"));
  std::optional<CRoomPlan> plan = FindRoomPlan(document.GetProject());
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->outline.size(), 4u);
  EXPECT_EQ(plan->height, 2.75);
}
