#include "SettingsArchive.h"

#include <bit>

bool CSettingsArchive::ReadBits(std::uint64_t& bits, size_t size)
{
  if (m_bFailed || !m_bLoading || m_bytes.size() - m_nPosition < size) {
    m_bFailed = true;
    return false;
  }
  bits = 0;
  for (size_t i = 0; i < size; ++i)
    bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(m_bytes[m_nPosition + i])) << (8 * i);
  m_nPosition += size;
  return true;
}

bool CSettingsArchive::WriteBits(std::uint64_t bits, size_t size)
{
  if (m_bFailed || m_bLoading) {
    m_bFailed = true;
    return false;
  }
  for (size_t i = 0; i < size; ++i)
    m_bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  return true;
}

bool CSettingsArchive::ReadInt32(std::int32_t& value)
{
  std::uint64_t bits = 0;
  if (!ReadBits(bits, 4))
    return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
  return true;
}

bool CSettingsArchive::ReadUInt16(std::uint16_t& value)
{
  std::uint64_t bits = 0;
  if (!ReadBits(bits, 2))
    return false;
  value = static_cast<std::uint16_t>(bits);
  return true;
}

bool CSettingsArchive::ReadByte(std::uint8_t& value)
{
  std::uint64_t bits = 0;
  if (!ReadBits(bits, 1))
    return false;
  value = static_cast<std::uint8_t>(bits);
  return true;
}

bool CSettingsArchive::ReadFloat(float& value)
{
  std::uint64_t bits = 0;
  if (!ReadBits(bits, 4))
    return false;
  value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
  return true;
}

bool CSettingsArchive::ReadDouble(double& value)
{
  std::uint64_t bits = 0;
  if (!ReadBits(bits, 8))
    return false;
  value = std::bit_cast<double>(bits);
  return true;
}

bool CSettingsArchive::WriteInt32(std::int32_t value)
{
  return WriteBits(static_cast<std::uint32_t>(value), 4);
}

bool CSettingsArchive::WriteUInt16(std::uint16_t value)
{
  return WriteBits(value, 2);
}

bool CSettingsArchive::WriteByte(std::uint8_t value)
{
  return WriteBits(value, 1);
}

bool CSettingsArchive::WriteFloat(float value)
{
  return WriteBits(std::bit_cast<std::uint32_t>(value), 4);
}

bool CSettingsArchive::WriteDouble(double value)
{
  return WriteBits(std::bit_cast<std::uint64_t>(value), 8);
}
