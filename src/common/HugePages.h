#pragma once

#include <cstddef>
#include <memory>

// A large text or tree is filled once; in huge pages (2 MiB) that costs a few
// page faults instead of one per 4 KiB. Both are hints: where the system has
// no huge pages nothing changes.

// Advises the whole huge pages inside [data, data + size).
void AdviseHugePages(void* data, size_t size);

// Storage for at least size characters; from a huge page on, in whole huge
// pages (aligned to them, advised), as the part in front of the first
// boundary would otherwise take a fault per 4 KiB. Sets size to the count
// allocated.
std::shared_ptr<char[]> AllocateText(size_t& size);

// Lets about the next `bytes` of small allocations (the entries of a large
// project being read) come from huge pages: the heap grows by that much at
// once, and keeps it, in advised memory.
void GrowHeapInHugePages(size_t bytes);
