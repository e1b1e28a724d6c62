#include "DocumentCommands.h"

#include "BuiltinModels.h"
#include "LoadedDocument.h"

#include <cstdio>
#include <filesystem>

namespace {

bool IsSameFile(const std::string& a, const std::string& b)
{
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

} // namespace

int RunSaveCommand(const std::string& source, const std::string& out)
{
  std::string outPath = MakeAbsolute(out);
  CLoadedDocument loaded;
  int status = loaded.Open(source);
  if (!loaded.IsOpen())
    return status;
  return SaveOpenedDocument(loaded.m_document, source, outPath) ? status : kExitUnreadable;
}

bool SaveOpenedDocument(CKMVDocument& document, const std::string& source, const std::string& outPath)
{
  if (!IsBuiltinModelName(source) && IsSameFile(outPath, document.GetPathName()))
    return document.Save() == SaveStatus::Saved;
  return document.SaveAs(outPath, IsScrambledPath(outPath) ? FileForm::Scrambled : FileForm::Plain);
}

int RunModelsCommand()
{
  for (const BuiltinModel& model : kBuiltinModels)
    std::printf("%s\n", model.title + 1);
  return kExitOk;
}
