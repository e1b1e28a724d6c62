// Any text the reader accepts whole must come back unchanged: written once,
// read and written again it gives the same text.
#include "FuzzSupport.h"
#include "Project.h"
#include "TextBuffer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The text a project writes after loading the given text; empty when the
// reader refused any of it.
std::string WriteAfterLoad(std::string_view source)
{
  CTextBuffer text;
  text.Assign(source);
  CProject project;
  if (!project.Load(text).IsOk() || project.GetRoot().Children().empty() || text.HasOverflowed())
    return std::string();
  return std::string(text.View());
}

void Compare(const std::string& expected, const std::string& actual, const char* what)
{
  if (expected == actual)
    return;
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
    ++at;
  std::fprintf(stderr, "%s differs at byte %zu:\n--- first\n%s\n--- again\n%s\n", what, at, expected.c_str(),
               actual.c_str());
  std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
  std::string first = WriteAfterLoad(AsText(data, size));
  if (first.empty())
    return 0;
  std::string second = WriteAfterLoad(first);
  Compare(first, second, "text written after reading the written text");
  Compare(second, WriteAfterLoad(second), "text written a third time");
  return 0;
}
