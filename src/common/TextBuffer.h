#pragma once

#include <memory>
#include <string_view>

// A view into a buffer's text together with a share of its storage, so that
// the view stays valid after the buffer is changed or gone.
struct CSharedText {
  std::shared_ptr<const char[]> owner;
  std::string_view text;
};

// Growable, zero-terminated text holding a whole project text. Sizes are int
// because every text the program reads is capped well below INT_MAX. While
// a share of the text is held (Share), the next change writes into new
// storage, so the shared text stays as it was.
class CTextBuffer {
public:
  static constexpr int kGrowthStep = 65535;
  // Largest text a buffer accepts; appends past it set the overflow flag.
  static constexpr int kMaxLength = 1 << 30;

  CTextBuffer() = default;
  CTextBuffer(const CTextBuffer&) = delete;
  CTextBuffer& operator=(const CTextBuffer&) = delete;

  // Room for n characters plus the terminating zero; the old text is dropped
  // when the buffer has to grow. Returns null when n is out of range.
  char* Reserve(int n);
  void Assign(std::string_view text);
  void Append(std::string_view text);
  void Append(char c);
  // Room for up to n characters at the end of the text, to write into
  // directly; EndAppend then adds the count written. Null when the text
  // might exceed kMaxLength: Append then takes what still fits.
  char* BeginAppend(int n);
  void EndAppend(int count);
  // After writing into Reserve()'s room: n in [0, capacity) becomes the
  // length, anything else the length of the zero-terminated data.
  void SetLength(int n);
  void Clear();

  int GetLength() const { return m_nLength; }
  int GetCapacity() const { return m_nCapacity; }
  bool IsEmpty() const { return m_nLength == 0; }
  const char* GetData() const { return m_data ? m_data.get() : ""; }
  std::string_view View() const { return {GetData(), static_cast<size_t>(m_nLength)}; }
  CSharedText Share() const { return {m_data, View()}; }
  // True once an append was refused because the text would exceed kMaxLength.
  bool HasOverflowed() const { return m_bOverflow; }

private:
  bool EnsureRoom(long long n, bool keepText);
  // Moves the text into storage of its own while a share of it is held.
  void Unshare(bool keepText);
  void Allocate(long long capacity, bool keepText);

  std::shared_ptr<char[]> m_data;
  int m_nCapacity = 0;
  int m_nLength = 0;
  bool m_bOverflow = false;
};
