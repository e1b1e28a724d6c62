#include "PrintLauncher.h"

#include "SourceFile.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

int LaunchPrintCommand(int argc, char** argv)
{
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  std::string helper = (self.parent_path() / "kmvtool-print").string();
  std::vector<char*> helperArgs{helper.data()};
  for (int i = 1; i < argc; ++i)
    helperArgs.push_back(argv[i]);
  helperArgs.push_back(nullptr);
  if (!error)
    execv(helper.c_str(), helperArgs.data());
  PrintError("kmvtool-print kann nicht gestartet werden.");
  return kExitUnreadable;
}
