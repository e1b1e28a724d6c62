// Project text through the whole life of a project: load, every module, a
// refresh and a write.
#include "FuzzSupport.h"
#include "Project.h"
#include "TextBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
  CTextBuffer text;
  text.Assign(AsText(data, size));
  CProject project;
  project.Load(text);
  // Run indices 2 to 11 hold the modules; the ends check the refusal of others.
  for (int index = 1; index <= 12; ++index)
    project.RunModule(index);
  project.Refresh();
  CTextBuffer written;
  project.WriteTree(written);
  project.WriteModules(written);
  return 0;
}
