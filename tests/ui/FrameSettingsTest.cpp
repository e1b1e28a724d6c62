#include "FrameSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

namespace {

CFrameSettings SampleRecord()
{
  CFrameSettings record;
  record.m_columnWidths = {220, 580};
  record.m_rowHeights = {400};
  record.m_nLeft = 10;
  record.m_nTop = 20;
  record.m_nWidth = 800;
  record.m_nHeight = 600;
  record.m_nShowCommand = kShowMaximized;
  record.m_nToolBar = kToolBarHidden;
  return record;
}

std::string Written(const CFrameSettings& record, int version)
{
  CSettingsArchive archive;
  CFrameSettings copy = record;
  EXPECT_TRUE(copy.Exchange(archive, version));
  return archive.GetBytes();
}

std::string Int32s(std::initializer_list<std::int32_t> values)
{
  CSettingsArchive archive;
  for (std::int32_t value : values)
    archive.WriteInt32(value);
  return archive.GetBytes();
}

} // namespace

TEST(FrameSettings, VersionDecidesWhatTravels)
{
  struct Case {
    int version;
    size_t bytes;
    bool placement;
    bool sizes;
  };
  for (const Case& c : {Case{1, 21, true, false}, Case{2, 41, true, true}, Case{0, 0, false, false},
                        Case{3, 0, false, false}, Case{1000, 0, false, false}}) {
    SCOPED_TRACE(c.version);
    const CFrameSettings sample = SampleRecord();
    // A version 2 file read as the record of its version.
    CSettingsArchive archive(Written(sample, c.version == 1 ? 1 : 2));
    CFrameSettings read;
    EXPECT_TRUE(read.Exchange(archive, c.version));
    EXPECT_EQ(Written(sample, c.version).size(), c.bytes);
    EXPECT_EQ(archive.GetPosition(), c.bytes);
    EXPECT_EQ(read.m_nLeft == 10 && read.m_nTop == 20 && read.m_nWidth == 800 && read.m_nHeight == 600 &&
                  read.m_nShowCommand == kShowMaximized && read.m_nToolBar == kToolBarHidden,
              c.placement);
    EXPECT_EQ(read.m_columnWidths == sample.m_columnWidths && read.m_rowHeights == sample.m_rowHeights, c.sizes);
  }
}

TEST(FrameSettings, SurplusSizesAreReadAndDropped)
{
  struct Case {
    std::int32_t columns;
    std::int32_t rows;
  };
  for (const Case& c : {Case{6, 5}, Case{64, 64}, Case{4, 0}}) {
    SCOPED_TRACE(c.columns);
    CSettingsArchive out;
    out.WriteInt32(c.columns);
    out.WriteInt32(c.rows);
    for (std::int32_t i = 1; i <= c.columns; ++i)
      out.WriteInt32(i);
    for (std::int32_t i = 1; i <= c.rows; ++i)
      out.WriteInt32(100 + i);
    for (std::int32_t value : {5, 6, 700, 500, kShowNormal})
      out.WriteInt32(value);
    out.WriteByte(kToolBarShown);
    out.WriteInt32(4711);
    CSettingsArchive in(out.GetBytes());
    CFrameSettings read;
    ASSERT_TRUE(read.Exchange(in, 2));
    EXPECT_EQ(read.m_columnWidths, (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(read.m_rowHeights.size(), static_cast<size_t>(std::min(c.rows, 4)));
    EXPECT_EQ(read.m_nWidth, 700);
    EXPECT_EQ(read.m_nToolBar, kToolBarShown);
    std::int32_t next = 0;
    EXPECT_TRUE(in.ReadInt32(next));
    EXPECT_EQ(next, 4711);
  }
}

TEST(FrameSettings, DamagedOrTruncatedRecordGivesDefaults)
{
  std::vector<std::pair<std::string, int>> records = {
      {Int32s({-1, 1, 5, 5, 5, 5, 1}), 2},
      {Int32s({2, -1, 5, 5, 5, 5, 1}), 2},
      {Int32s({65, 1, 5, 5, 5, 5, 1}), 2},
      {Int32s({1, INT_MAX, 5, 5, 5, 5, 1}), 2},
  };
  for (int version : {1, 2}) {
    const std::string bytes = Written(SampleRecord(), version);
    for (size_t length = 0; length < bytes.size(); ++length)
      records.emplace_back(bytes.substr(0, length), version);
  }
  for (const auto& [bytes, version] : records) {
    SCOPED_TRACE(bytes.size());
    CSettingsArchive archive(bytes);
    CFrameSettings read = SampleRecord();
    EXPECT_FALSE(read.Exchange(archive, version));
    EXPECT_TRUE(read.m_columnWidths.empty());
    EXPECT_TRUE(read.m_rowHeights.empty());
    EXPECT_FALSE(read.HasPlacement());
    EXPECT_EQ(read.m_nShowCommand, kShowNone);
  }
}

TEST(StoredPaneValue, TravelsOrFallsBackToDefault)
{
  for (std::int32_t defaultValue : {kTreePaneDefault, kScrollPaneDefault}) {
    CStoredPaneValue stored(defaultValue);
    stored.SetValue(321);
    CSettingsArchive out;
    EXPECT_TRUE(stored.Exchange(out));
    CStoredPaneValue read(defaultValue);
    CSettingsArchive in(out.GetBytes());
    EXPECT_TRUE(read.Exchange(in));
    EXPECT_EQ(read.GetValue(), 321);
    CSettingsArchive truncated(out.GetBytes().substr(0, 3));
    EXPECT_FALSE(read.Exchange(truncated));
    EXPECT_EQ(read.GetValue(), defaultValue);
  }
}
