#include "RunCommand.h"

#include "FileAccess.h"
#include "ModuleTable.h"
#include "NumberFormat.h"
#include "SafeFileWriter.h"
#include "SourceFile.h"
#include "TextEncoding.h"

#include <cstdio>

namespace {

// The old file stays as it was unless the whole text was written.
bool WriteFile(const std::string& path, std::string_view text, std::string& error)
{
  std::string bytes(text);
  if (IsScrambledPath(path))
    Scramble(bytes.data(), bytes.size());
  return WriteFileSafely(path, bytes, error);
}

} // namespace

bool ParseRunRequest(const std::vector<std::string>& args, CRunRequest& request)
{
  if (args.empty())
    return false;
  request.strSource = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--save") {
      if (i + 1 == args.size() || !request.strSavePath.empty() || args[i + 1].empty())
        return false;
      request.strSavePath = args[++i];
    } else if (CModuleTable::RunIndexOf(args[i]) == 0) {
      PrintError("unbekanntes Modul " + Utf8ToCp1252(args[i]));
      return false;
    } else {
      request.modules.push_back(args[i]);
    }
  }
  return !request.modules.empty();
}

int RunModulesCommand(const CRunRequest& request)
{
  CLoadedProject loaded;
  int status = loaded.Load(request.strSource);
  if (status != kExitOk)
    return status;
  for (const std::string& name : request.modules) {
    ModuleResult result = loaded.m_project.RunModule(CModuleTable::RunIndexOf(name));
    std::printf("%s %d %s\n", name.c_str(), result.status, FormatDouble(result.value).c_str());
  }
  std::string error;
  if (!request.strSavePath.empty() && !WriteFile(request.strSavePath, loaded.m_text.View(), error)) {
    PrintError(error);
    return kExitUnreadable;
  }
  return kExitOk;
}
