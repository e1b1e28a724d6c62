// Read by LeakSanitizer in sanitizer builds. Mesa's display-list compiler
// (22.3, llvmpipe) keeps about 120 bytes of some compiled lists after their
// context is destroyed, even when the lists are deleted first; the memory is
// the driver's to free, not ours. Leaks allocated from our own code have our
// frames on the stack and are still reported.
extern "C" const char* __lsan_default_suppressions()
{
  return "leak:swrast_dri.so\n";
}
