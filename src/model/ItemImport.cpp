#include "ItemImport.h"

#include "DefaultNames.h"
#include "FileAccess.h"
#include "Messages.h"
#include "ModelResources.h"
#include "ProjectReader.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"

#include <cstdlib>
#include <memory>

namespace {

constexpr size_t kMaxSourceLength = 4096;

// The file name with its extension, without drive and folders of either style.
std::string FileNameOnly(const std::string& path)
{
  size_t slash = path.find_last_of("/\\:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CanonicalPath(const std::string& path)
{
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : path;
}

} // namespace

bool CItemImport::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  if (!ReadSystemFields(line, parentName) || !HasOwnFields(line) || !line.ReadWord(Source(), kMaxSourceLength))
    return false;
  m_strOwnName = m_strName;
  return true;
}

void CItemImport::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  m_strName = m_strOwnName;
  WriteSystemFields(out, parentName);
  AppendWordField(out, Source());
  m_strName = m_strOwnName + " (" + m_strIncludedName + ")";
}

TreeItemHandle CItemImport::InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent)
{
  if (editLevel != 1)
    return 0;
  return InsertOwnItem(tree, parent);
}

void CItemImport::SaveTreeState(CTreeControl& tree)
{
  if (m_hTreeItem)
    m_nTreeState = tree.GetItemState(m_hTreeItem) & 0xFF;
}

void CItemImport::LoadContent(CParseContext& context)
{
  if (!Load(context) && context.m_pMessages)
    context.m_pMessages->ShowMessage(kApplicationName, kInsertErrorText + Source());
}

bool CItemImport::Load(CParseContext& context)
{
  RemoveAllChildren();
  m_strOwnName = m_strName;
  CTextBuffer text;
  std::string key;
  if (!FetchText(text, key))
    return false;
  // A source that is already being loaded further up would include itself.
  if (!context.EnterSource(key))
    return false;
  // A format error inside the source leaves what was read before it; the
  // line of the outer text's error must not be taken from another file.
  int outerErrorLine = context.m_nErrorLine;
  Parse(text.View(), *this, context);
  context.m_nErrorLine = outerErrorLine;
  context.LeaveSource();
  m_strIncludedName = m_strName;
  m_strName = m_strOwnName + " (" + m_strIncludedName + ")";
  return true;
}

void CItemInclude::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Include);
  m_strDescription.clear();
}

bool CItemInclude::FetchText(CTextBuffer& text, std::string& key)
{
  std::string path = m_strPath;
  if (ReadWholeFile(path, text) != ReadStatus::Ok) {
    path = FileNameOnly(m_strPath);
    if (path.empty() || ReadWholeFile(path, text) != ReadStatus::Ok)
      return false;
  }
  key = "file:" + CanonicalPath(path);
  return true;
}

void CItemLibrary::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Library);
  m_strDescription.clear();
}

bool CItemLibrary::FetchText(CTextBuffer& text, std::string& key)
{
  int code = FindLibraryModelCode(m_strLibraryName);
  if (!LoadModelResource(code, text))
    return false;
  key = "model:" + std::to_string(code);
  return true;
}
