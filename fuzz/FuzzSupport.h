#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

// The input bytes as the text view the readers take.
inline std::string_view AsText(const std::uint8_t* data, size_t size)
{
  return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process for the files the document paths need; made once,
// never changed afterwards.
inline const std::filesystem::path& ScratchFolder()
{
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "kmv_fuzz_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    return std::filesystem::path(pattern);
  }();
  return folder;
}

inline void WriteInputFile(const std::filesystem::path& path, std::string_view bytes)
{
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::perror("writing the fuzz input file");
    std::abort();
  }
}
