#include "RecentFileList.h"

#include <QSettings>

#include <algorithm>

namespace {

constexpr const char* kSection = "Recent File List";

QString KeyOf(size_t index)
{
  return QString("File%1").arg(index + 1);
}

} // namespace

void CRecentFileList::Load()
{
  QSettings settings;
  settings.beginGroup(kSection);
  m_files.clear();
  for (size_t i = 0; i < kSize; ++i) {
    QByteArray path = settings.value(KeyOf(i)).toByteArray();
    if (!path.isEmpty())
      m_files.push_back(path.toStdString());
  }
}

void CRecentFileList::Add(const std::string& path)
{
  m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
  m_files.insert(m_files.begin(), path);
  if (m_files.size() > kSize)
    m_files.resize(kSize);
  Save();
}

void CRecentFileList::Remove(size_t index)
{
  if (index >= m_files.size())
    return;
  m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
  Save();
}

void CRecentFileList::Save() const
{
  QSettings settings;
  settings.beginGroup(kSection);
  for (size_t i = 0; i < kSize; ++i) {
    if (i < m_files.size())
      settings.setValue(KeyOf(i), QByteArray::fromStdString(m_files[i]));
    else
      settings.remove(KeyOf(i));
  }
}
