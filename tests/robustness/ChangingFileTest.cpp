// A file whose size changes while it is read gives no text at all, so no
// mix of old and new is ever loaded and then saved.
#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

namespace {

enum class Change { Grows, Shrinks };

class ChangingFile : public TempFolderTest, public ::testing::WithParamInterface<Change> {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    WriteBytes("changing.txt", kSensorProject);
    // Only this file changes, between each size query and its read.
    SetReadWholeFileSeam([grows = GetParam() == Change::Grows](const std::string& path) {
      if (std::filesystem::path(path).filename() != "changing.txt")
        return;
      if (grows)
        std::ofstream(path, std::ios::binary | std::ios::app) << "more";
      else
        std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    });
  }
  void TearDown() override
  {
    SetReadWholeFileSeam({});
    TempFolderTest::TearDown();
  }
};

TEST_P(ChangingFile, ReadGivesNoTextAndOpenFailsWithGermanMessageWithoutAFile)
{
  CTextBuffer text;
  text.Assign("old");
  EXPECT_EQ(ReadWholeFile(Path("changing.txt"), text), ReadStatus::Changed);
  EXPECT_TRUE(text.IsEmpty());
  WriteBytes("changing.txt", kSensorProject);
  CMessageRecorder messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  EXPECT_FALSE(document.OnOpenDocument(Path("changing.txt"), FileForm::Plain));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], DescribeReadStatus(ReadStatus::Changed, Path("changing.txt")));
  EXPECT_NE(messages.texts[0].find("w\xE4hrend des Lesens"), std::string::npos);
  EXPECT_TRUE(document.GetPathName().empty());
  EXPECT_EQ(document.Save(), SaveStatus::NeedsName);
}

TEST_P(ChangingFile, IncludeOfItLeavesTheEntryEmpty)
{
  WriteBytes("p.txt", "begin-sim-data P  _ 1 1 0 \ninclude I P _ 1 1 0 0 0 0 0 0 0 " + Path("changing.txt") +
                          " \nend-sim-data\n");
  CMessageRecorder messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  ASSERT_TRUE(document.OnOpenDocument(Path("p.txt"), FileForm::Plain));
  const auto& children = document.GetProject().GetRoot().Children();
  ASSERT_EQ(children.size(), 1u);
  ASSERT_NE(children[0]->AsGroup(), nullptr);
  EXPECT_TRUE(children[0]->AsGroup()->Children().empty());
  ASSERT_FALSE(messages.texts.empty());
  EXPECT_EQ(messages.texts[0], kInsertErrorText + Path("changing.txt"));
}

INSTANTIATE_TEST_SUITE_P(GrowsOrShrinks, ChangingFile, ::testing::Values(Change::Grows, Change::Shrinks),
                         [](const ::testing::TestParamInfo<Change>& change) {
                           return change.param == Change::Grows ? "Grows" : "Shrinks";
                         });

} // namespace
