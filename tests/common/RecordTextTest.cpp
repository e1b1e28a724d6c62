#include "RecordText.h"
#include "NumberFormat.h"
#include "RecordCursor.h"
#include "TextBuffer.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <climits>

TEST(RecordCursor, ReadsFieldsLikeTheScanfFormats)
{
  CRecordCursor line(" Tür_links Raum_1 _ 1 2 rest of line");
  std::string name, parent, description;
  int active = 0, visible = 0;
  ASSERT_TRUE(line.ReadText(name, kMaxNameLength));
  ASSERT_TRUE(line.ReadText(parent, kMaxNameLength));
  ASSERT_TRUE(line.ReadText(description, kMaxDescriptionLength));
  ASSERT_TRUE(line.ReadInt(active));
  ASSERT_TRUE(line.ReadInt(visible));
  EXPECT_EQ(name, "Tür links");
  EXPECT_EQ(parent, "Raum 1");
  EXPECT_EQ(description, " ");
  EXPECT_EQ(visible, 2);
  EXPECT_EQ(line.Rest(), " rest of line");
  double x = 0;
  EXPECT_FALSE(line.ReadDouble(x));
  EXPECT_EQ(line.Rest(), " rest of line");
}

TEST(RecordCursor, LongWordsAreCutButConsumedWhole)
{
  std::string text = std::string(5000, 'x') + " next";
  CRecordCursor line(text);
  std::string word;
  ASSERT_TRUE(line.ReadWord(word, 64));
  EXPECT_EQ(word.size(), 64u);
  ASSERT_TRUE(line.ReadWord(word, 64));
  EXPECT_EQ(word, "next");
  EXPECT_FALSE(line.HasRest());
  EXPECT_FALSE(line.ReadWord(word, 64));
}

TEST(RecordText, FieldsAreFollowedByOneBlank)
{
  CTextBuffer out;
  BeginRecord(out);
  AppendWordField(out, "enable");
  AppendTextField(out, "Licht an");
  AppendTextField(out, "");
  AppendTextField(out, "", true);
  AppendIntField(out, -3);
  AppendDoubleField(out, 0.5);
  EXPECT_EQ(out.View(), "enable Licht_an  _ -3 5.000000000000000e-001 ");
  BeginRecord(out);
  EXPECT_EQ(out.View().back(), '\n');
}

// Fields are written straight into the buffer; past its growth steps too.
TEST(RecordText, FieldsWrittenAcrossGrowthKeepTheText)
{
  CTextBuffer out;
  std::string expected;
  for (int i = 0; out.GetLength() < 3 * CTextBuffer::kGrowthStep; ++i) {
    AppendDoubleField(out, -i / 7.0);
    AppendIntField(out, INT_MIN + i);
    AppendTextField(out, "a b");
    expected += FormatDouble(-i / 7.0) + " " + std::to_string(INT_MIN + i) + " a_b ";
  }
  EXPECT_EQ(out.View(), expected);
  out.EndAppend(out.GetCapacity());
  EXPECT_EQ(out.View(), expected);
}

TEST(TextEncoding, ConvertsWindows1252BothWays)
{
  std::string cp1252 = "T\xFCr \x80 \xB0";
  std::string utf8 = Cp1252ToUtf8(cp1252);
  EXPECT_EQ(utf8, "Tür € °");
  EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
  EXPECT_EQ(Utf8ToCp1252("\xE4\xBD\xA0 \xC3"), "? ?");
}
