#include "ExtDocument.h"

#include "DocumentViews.h"
#include "FileAccess.h"
#include "FileNameText.h"
#include "Messages.h"
#include "SafeFileWriter.h"
#include "TextBuffer.h"

void CExtDocument::SetPathName(const std::string& path)
{
  m_strPathName = path;
  size_t slash = path.find_last_of('/');
  m_strTitle = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CExtDocument::OnNewDocument()
{
  SetModifiedFlag(false);
  return true;
}

bool CExtDocument::SerializeSettings(int mode)
{
  CSettingsArchive* archive = m_settingsArchive.get();
  if (!archive)
    return false;
  bool ok = archive->IsLoading() ? LoadSettingsHead(*archive) : StoreSettingsHead(*archive, mode);
  if (!ok) {
    m_strSettingsRedirect.clear();
    m_nWindowCount = 0;
    // Keeping a damaged mode would write it back on closing, and the file
    // would stay damaged for good.
    if (archive->IsLoading())
      m_nSettingsVersion = kDefaultSettingsVersion;
  }
  return ok;
}

bool CExtDocument::LoadSettingsHead(CSettingsArchive& archive)
{
  std::int32_t mode = 0;
  if (!archive.ReadInt32(mode))
    return false;
  m_nSettingsVersion = mode;
  if (mode == 1 || mode == 2) {
    std::int32_t count = 0;
    if (!archive.ReadInt32(count) || count < 0 || count > kMaxSettingsWindows)
      return false;
    m_nWindowCount = count;
  } else if (mode == kSettingsRedirectMode) {
    std::string name;
    for (std::uint16_t unit = 0;;) {
      if (!archive.ReadUInt16(unit))
        return false;
      // The terminating zero is no part of the name a path is made of.
      if (unit == 0)
        break;
      if (name.size() == kMaxRedirectLength)
        return false;
      name.push_back(static_cast<char>(unit & 0xFF));
    }
    m_strSettingsRedirect = name;
    m_bSettingsRedirect = 1;
  }
  return true;
}

bool CExtDocument::StoreSettingsHead(CSettingsArchive& archive, int mode)
{
  if (!archive.WriteInt32(mode))
    return false;
  if (mode == 1 || mode == 2)
    return archive.WriteInt32(m_pViews ? m_pViews->NumberFrames() : 0);
  if (mode == kSettingsRedirectMode) {
    for (char c : m_strSettingsRedirect)
      archive.WriteUInt16(static_cast<std::uint16_t>(static_cast<std::int16_t>(static_cast<signed char>(c))));
    return archive.WriteUInt16(0);
  }
  return true;
}

int CExtDocument::ReadWindowSettings(const std::string& name)
{
  CloseSettingsArchive();
  m_nWindowCount = 0;
  // "*Pilot B1.sty" would be a legal file in the current folder.
  if (!name.empty() && name.front() == '*')
    return 0;
  std::string path = name.empty() ? m_strSettingsRedirect : SettingsPathFor(name, m_strSettingsExt);
  if (path.empty() || !OpenSettingsFile(path, false))
    return 0;
  for (int files = 1;; ++files) {
    bool ok = SerializeSettings(0);
    if (m_nWindowCount > 0)
      return m_nWindowCount;
    CloseSettingsArchive();
    // Only a redirection leads on; a damaged file or one without windows
    // gives the default frame.
    if (!ok || m_nSettingsVersion != kSettingsRedirectMode || files == kMaxSettingsFiles)
      return 0;
    if (!OpenSettingsFile(m_strSettingsRedirect, true)) {
      m_nWindowCount = 0;
      return 0;
    }
  }
}

bool CExtDocument::OpenSettingsFile(const std::string& path, bool reportFailure)
{
  CTextBuffer bytes;
  ReadStatus status = path.empty() ? ReadStatus::NotFound : ReadWholeFile(path, bytes);
  if (status == ReadStatus::TooLarge)
    ShowMessage(DescribeReadStatus(status, FileNameText(path)));
  else if (status != ReadStatus::Ok && reportFailure)
    ShowMessage(kSettingsLoadError);
  if (status != ReadStatus::Ok)
    return false;
  m_settingsArchive = std::make_unique<CSettingsArchive>(std::string(bytes.View()));
  return true;
}

bool CExtDocument::BeginStoreSettings()
{
  CloseSettingsArchive();
  if (!m_bSaveSettings || m_strPathName.empty())
    return false;
  m_settingsArchive = std::make_unique<CSettingsArchive>();
  SerializeSettings(m_bSettingsRedirect ? kSettingsRedirectMode : m_nSettingsVersion);
  return true;
}

bool CExtDocument::EndStoreSettings()
{
  std::unique_ptr<CSettingsArchive> archive = std::move(m_settingsArchive);
  if (!archive || !archive->IsStoring() || m_strPathName.empty())
    return false;
  std::string error;
  if (WriteFileSafely(SettingsPathFor(m_strPathName, m_strSettingsExt), archive->GetBytes(), error))
    return true;
  ShowMessage(std::string(kSettingsSaveError) + "\n" + error);
  return false;
}

std::string CExtDocument::SettingsPathFor(const std::string& path, const std::string& extension)
{
  size_t slash = path.find_last_of('/');
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  size_t dot = path.find_last_of('.');
  size_t baseEnd = dot != std::string::npos && dot >= nameStart ? dot : path.size();
  return path.substr(0, baseEnd) + "." + extension;
}

void CExtDocument::ShowMessage(const std::string& text) const
{
  if (m_pMessages)
    m_pMessages->ShowMessage(kApplicationName, text);
}

void CExtDocument::UpdateAllViews(int hint) const
{
  if (m_pViews)
    m_pViews->UpdateAllViews(hint);
}
