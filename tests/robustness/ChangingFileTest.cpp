// A file whose size changes while it is read gives no text at all, so no
// mix of old and new is ever loaded and then saved. Files under /proc report
// a size of 0 and then deliver text: the same as a file that grew.
#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

namespace {

constexpr const char* kGrowingFile = "/proc/self/status";

using ChangingFile = TempFolderTest;

TEST_F(ChangingFile, ReadGivesNoTextAndOpenFailsWithGermanMessageWithoutAFile)
{
  CTextBuffer text;
  text.Assign("old");
  EXPECT_EQ(ReadWholeFile(kGrowingFile, text), ReadStatus::Changed);
  EXPECT_TRUE(text.IsEmpty());
  CMessageRecorder messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  EXPECT_FALSE(document.OnOpenDocument(kGrowingFile, FileForm::Plain));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], DescribeReadStatus(ReadStatus::Changed, kGrowingFile));
  EXPECT_NE(messages.texts[0].find("w\xE4hrend des Lesens"), std::string::npos);
  EXPECT_TRUE(document.GetPathName().empty());
  EXPECT_EQ(document.Save(), SaveStatus::NeedsName);
}

TEST_F(ChangingFile, IncludeOfItLeavesTheEntryEmpty)
{
  WriteBytes("p.txt", "begin-sim-data P  _ 1 1 0 \ninclude I P _ 1 1 0 0 0 0 0 0 0 " + std::string(kGrowingFile) +
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
  EXPECT_EQ(messages.texts[0], kInsertErrorText + std::string(kGrowingFile));
}

} // namespace
