#pragma once

#include <string>
#include <string_view>

class CTextBuffer;

// Field lengths the reader keeps; longer fields are cut, never written past.
constexpr size_t kMaxNameLength = 64;
constexpr size_t kMaxDescriptionLength = 256;

// Blanks of a text field are stored as "_" and read back as blanks.
std::string EncodeBlanks(std::string_view text);
void DecodeBlanks(std::string& text);

// Record fields, each followed by one blank as the project text wants it.
// With markEmpty an empty text is written "_" (descriptions, link paths).
void AppendTextField(CTextBuffer& out, std::string_view text, bool markEmpty = false);
void AppendWordField(CTextBuffer& out, std::string_view word); // written as it is
void AppendIntField(CTextBuffer& out, int value);
void AppendDoubleField(CTextBuffer& out, double value);
// Starts a record: a line feed unless the text is still empty.
void BeginRecord(CTextBuffer& out);
