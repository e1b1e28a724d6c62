#include "LoadedDocument.h"

#include "BuiltinModels.h"

#include <filesystem>

int CLoadedDocument::Open(const std::string& source)
{
  if (IsBuiltinModelName(source)) {
    m_document.SetTitle(source);
    m_bOpen = m_document.OnNewDocument();
  } else {
    m_bOpen = m_document.OnOpenDocument(source, IsScrambledPath(source) ? FileForm::Scrambled : FileForm::Plain);
  }
  return m_bOpen && m_document.GetFormatErrorLine() == 0 ? kExitOk : kExitUnreadable;
}

std::string MakeAbsolute(const std::string& path)
{
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}
