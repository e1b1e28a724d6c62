#pragma once

#include <cstddef>
#include <functional>

// Calls work(0) to work(count - 1), each once, on up to `threads` threads,
// the calling one among them; returns when all are done. The calls must not
// change anything they share. Threads that cannot be started leave their
// share to the others.
void ForEachIndex(size_t count, size_t threads, const std::function<void(size_t)>& work);
