#pragma once

#include <functional>
#include <string>

class CTextBuffer;

// Largest project, include or settings file the program reads.
constexpr long long kMaxFileSize = 256ll << 20;

enum class ReadStatus { Ok, NotFound, NotRegularFile, TooLarge, Changed, ReadError };

// Reads a whole regular file (no FIFO, device or folder) of at most
// kMaxFileSize bytes into the buffer.
ReadStatus ReadWholeFile(const std::string& path, CTextBuffer& text);

// For tests: runs between the size query and the read of every
// ReadWholeFile, to change the file in that gap; an empty function ends it.
void SetReadWholeFileSeam(std::function<void(const std::string& path)> afterSizeQuery);

// German text for a failed read, naming the path.
std::string DescribeReadStatus(ReadStatus status, const std::string& path);

// Every byte of project files and built-in models is combined with this key.
constexpr unsigned char kScrambleKey = 0xA7;
void Scramble(char* data, size_t length);
