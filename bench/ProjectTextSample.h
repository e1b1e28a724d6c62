#pragma once

#include <string>

// A project text of about megabytes MB, mostly systems, numbers and links,
// as a large sensor project would hold them.
std::string MakeProjectText(int megabytes);
