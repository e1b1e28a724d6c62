#include "FrameSettings.h"

#include <algorithm>

namespace {

// Reads count sizes, keeping the first CFrameSettings::kKeptPanes.
bool ReadSizeList(CSettingsArchive& archive, std::int32_t count, std::vector<std::int32_t>& sizes)
{
  sizes.clear();
  for (std::int32_t i = 0; i < count; ++i) {
    std::int32_t size = 0;
    if (!archive.ReadInt32(size))
      return false;
    if (sizes.size() < CFrameSettings::kKeptPanes)
      sizes.push_back(size);
  }
  return true;
}

std::int32_t WrittenCount(const std::vector<std::int32_t>& sizes)
{
  return static_cast<std::int32_t>(std::min(sizes.size(), static_cast<size_t>(CFrameSettings::kMaxPanes)));
}

bool WriteSizeList(CSettingsArchive& archive, const std::vector<std::int32_t>& sizes)
{
  const std::int32_t count = WrittenCount(sizes);
  for (std::int32_t i = 0; i < count; ++i)
    if (!archive.WriteInt32(sizes[static_cast<size_t>(i)]))
      return false;
  return true;
}

} // namespace

bool CFrameSettings::Exchange(CSettingsArchive& archive, int version)
{
  if (version != 1 && version != 2)
    return true;
  bool ok = true;
  if (version == 2)
    ok = archive.IsLoading() ? ReadSizes(archive) : WriteSizes(archive);
  ok = ok && ExchangePlacement(archive) && archive.Exchange(m_nToolBar);
  if (!ok)
    ResetLayout();
  return ok;
}

void CFrameSettings::ResetLayout()
{
  m_columnWidths.clear();
  m_rowHeights.clear();
  m_nLeft = m_nTop = m_nWidth = m_nHeight = 0;
  m_nShowCommand = kShowNone;
}

bool CFrameSettings::ReadSizes(CSettingsArchive& archive)
{
  std::int32_t columns = 0;
  std::int32_t rows = 0;
  if (!archive.ReadInt32(columns) || !archive.ReadInt32(rows))
    return false;
  // A count out of range cannot be skipped reliably: the file is damaged.
  if (columns < 0 || columns > kMaxPanes || rows < 0 || rows > kMaxPanes)
    return false;
  return ReadSizeList(archive, columns, m_columnWidths) && ReadSizeList(archive, rows, m_rowHeights);
}

bool CFrameSettings::WriteSizes(CSettingsArchive& archive) const
{
  return archive.WriteInt32(WrittenCount(m_columnWidths)) && archive.WriteInt32(WrittenCount(m_rowHeights)) &&
         WriteSizeList(archive, m_columnWidths) && WriteSizeList(archive, m_rowHeights);
}

bool CFrameSettings::ExchangePlacement(CSettingsArchive& archive)
{
  return archive.Exchange(m_nLeft) && archive.Exchange(m_nTop) && archive.Exchange(m_nWidth) &&
         archive.Exchange(m_nHeight) && archive.Exchange(m_nShowCommand);
}

bool CStoredPaneValue::Exchange(CSettingsArchive& archive)
{
  if (archive.Exchange(m_nValue))
    return true;
  m_nValue = m_nDefault;
  return false;
}
