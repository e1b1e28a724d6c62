// A window settings file read as a document reads it on opening, including
// its redirections; the frame records that follow the head are read as raw
// values until the archive runs dry.
#include "ExtDocument.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
  const std::filesystem::path& folder = ScratchFolder();
  WriteInputFile(folder / "input.sty", AsText(data, size));
  CExtDocument document;
  int frames = document.ReadWindowSettings((folder / "input.kmv").string());
  if (frames > 0) {
    CSettingsArchive* archive = document.GetSettingsArchive();
    std::int32_t number = 0;
    std::uint16_t unit = 0;
    std::uint8_t byte = 0;
    float single = 0;
    double value = 0;
    while (archive->Exchange(number) && archive->Exchange(unit) && archive->Exchange(byte) &&
           archive->Exchange(single) && archive->Exchange(value)) {
    }
    document.CloseSettingsArchive();
  }
  return 0;
}
