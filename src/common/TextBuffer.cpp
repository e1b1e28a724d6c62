#include "TextBuffer.h"

#include "HugePages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

bool CTextBuffer::EnsureRoom(long long n, bool keepText)
{
  if (n < 0 || n > kMaxLength)
    return false;
  if (n + 1 <= m_nCapacity) {
    Unshare(true);
    return true;
  }
  // Grow to the next multiple of the step above n + 1, but at least by half
  // the capacity, so that appending a large text stays linear in its size.
  long long wanted = std::max<long long>(n + 1, m_nCapacity + m_nCapacity / 2);
  Allocate((wanted / kGrowthStep + 1) * kGrowthStep, keepText);
  return true;
}

void CTextBuffer::Unshare(bool keepText)
{
  if (m_data.use_count() > 1)
    Allocate(m_nCapacity, keepText);
}

void CTextBuffer::Allocate(long long capacity, bool keepText)
{
  auto size = static_cast<size_t>(capacity);
  std::shared_ptr<char[]> data = AllocateText(size);
  if (keepText && m_data)
    std::memcpy(data.get(), m_data.get(), static_cast<size_t>(m_nLength) + 1);
  else {
    data[0] = 0;
    m_nLength = 0;
  }
  m_data = std::move(data);
  m_nCapacity = static_cast<int>(size);
}

char* CTextBuffer::Reserve(int n)
{
  if (!EnsureRoom(n, false))
    return nullptr;
  return m_data.get();
}

void CTextBuffer::Assign(std::string_view text)
{
  Unshare(false);
  m_nLength = 0;
  if (m_data)
    m_data[0] = 0;
  Append(text);
}

void CTextBuffer::Append(std::string_view text)
{
  long long n = static_cast<long long>(m_nLength) + static_cast<long long>(text.size());
  if (!EnsureRoom(n, true)) {
    m_bOverflow = true;
    return;
  }
  if (!text.empty())
    std::memcpy(m_data.get() + m_nLength, text.data(), text.size());
  m_nLength = static_cast<int>(n);
  m_data[m_nLength] = 0;
}

void CTextBuffer::Append(char c)
{
  Append(std::string_view(&c, 1));
}

char* CTextBuffer::BeginAppend(int n)
{
  if (n < 0 || !EnsureRoom(static_cast<long long>(m_nLength) + n, true))
    return nullptr;
  return m_data.get() + m_nLength;
}

void CTextBuffer::EndAppend(int count)
{
  if (!m_data || count < 0 || m_nLength + 1 + static_cast<long long>(count) > m_nCapacity)
    return;
  m_nLength += count;
  m_data[m_nLength] = 0;
}

void CTextBuffer::SetLength(int n)
{
  if (!m_data) {
    m_nLength = 0;
    return;
  }
  Unshare(true);
  if (n >= 0 && n < m_nCapacity)
    m_nLength = n;
  else
    m_nLength = static_cast<int>(strnlen(m_data.get(), static_cast<size_t>(m_nCapacity - 1)));
  m_data[m_nLength] = 0;
}

void CTextBuffer::Clear()
{
  m_bOverflow = false;
  Unshare(false);
  m_nLength = 0;
  if (m_data)
    m_data[0] = 0;
}
