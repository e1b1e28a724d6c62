#pragma once
#include <cstddef>
// A raw-data resource compiled into the program, still scrambled.
struct CRawResource {
  int number;
  const unsigned char* data;
  std::size_t size;
};
// Provided by the resource table linked into each executable.
const CRawResource* FindRawResource(int number);
