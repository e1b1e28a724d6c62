#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TextBuffer, AppendAssignAndClearKeepTheTextAndItsZero)
{
  CTextBuffer text;
  std::string block(CTextBuffer::kGrowthStep, 'a');
  text.Append(block);
  EXPECT_EQ(text.GetLength(), CTextBuffer::kGrowthStep);
  EXPECT_GT(text.GetCapacity(), text.GetLength());
  block.assign(CTextBuffer::kGrowthStep, 'b');
  text.Append(block);
  ASSERT_EQ(text.GetLength(), 2 * CTextBuffer::kGrowthStep);
  EXPECT_EQ(text.GetData()[CTextBuffer::kGrowthStep - 1], 'a');
  EXPECT_EQ(text.GetData()[CTextBuffer::kGrowthStep], 'b');
  EXPECT_EQ(text.GetData()[text.GetLength()], 0);
  EXPECT_GT(text.GetCapacity(), text.GetLength());
  text.Assign("second");
  EXPECT_EQ(text.View(), "second");
  text.Clear();
  EXPECT_STREQ(text.GetData(), "");
}

TEST(TextBuffer, ReserveAndSetLengthStayWithinTheCapacity)
{
  CTextBuffer text;
  char* data = text.Reserve(CTextBuffer::kGrowthStep);
  ASSERT_NE(data, nullptr);
  // Room for the terminating zero even when n fills the step.
  EXPECT_GT(text.GetCapacity(), CTextBuffer::kGrowthStep);
  std::memcpy(data, "abc", 4);
  text.SetLength(3);
  EXPECT_EQ(text.View(), "abc");
  // A length at or past the capacity falls back to the zero-terminated text.
  text.SetLength(text.GetCapacity());
  EXPECT_EQ(text.View(), "abc");
  text.SetLength(-1);
  EXPECT_EQ(text.View(), "abc");
  EXPECT_EQ(text.Reserve(-5), nullptr);
  EXPECT_EQ(text.Reserve(CTextBuffer::kMaxLength + 1), nullptr);
}
