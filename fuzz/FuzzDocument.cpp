// A scrambled ".kmv" file opened, saved and saved under a new name as the
// program does it.
#include "FuzzSupport.h"
#include "KMVDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
  const std::filesystem::path& folder = ScratchFolder();
  // Opening changes the current folder; the fuzzer's relative paths need it back.
  std::filesystem::path startFolder = std::filesystem::current_path();
  std::filesystem::path input = folder / "input.kmv";
  WriteInputFile(input, AsText(data, size));
  CKMVDocument document;
  if (document.OnOpenDocument(input.string())) {
    document.Save();
    document.SaveAs((folder / "copy.kmv").string());
  }
  std::filesystem::current_path(startFolder);
  return 0;
}
