#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// The binary stream of a window settings file: raw little-endian values, no
// framing. An archive either loads (over the bytes of a file) or stores (into
// memory, written out when the document closes). A read past the end, or an
// exchange against the archive's direction, fails; the failure sticks, so a
// record can exchange all its fields and look once at the end. A failed
// exchange leaves its value untouched.
class CSettingsArchive {
public:
  // A storing archive.
  CSettingsArchive() = default;
  // A loading archive over the bytes.
  explicit CSettingsArchive(std::string bytes) : m_bytes(std::move(bytes)), m_bLoading(true) {}

  bool IsLoading() const { return m_bLoading; }
  bool IsStoring() const { return !m_bLoading; }
  bool HasFailed() const { return m_bFailed; }

  bool ReadInt32(std::int32_t& value);
  bool ReadUInt16(std::uint16_t& value);
  bool ReadByte(std::uint8_t& value);
  bool ReadFloat(float& value);
  bool ReadDouble(double& value);

  bool WriteInt32(std::int32_t value);
  bool WriteUInt16(std::uint16_t value);
  bool WriteByte(std::uint8_t value);
  bool WriteFloat(float value);
  bool WriteDouble(double value);

  // Reads or writes, as the archive's direction says.
  bool Exchange(std::int32_t& value) { return m_bLoading ? ReadInt32(value) : WriteInt32(value); }
  bool Exchange(std::uint16_t& value) { return m_bLoading ? ReadUInt16(value) : WriteUInt16(value); }
  bool Exchange(std::uint8_t& value) { return m_bLoading ? ReadByte(value) : WriteByte(value); }
  bool Exchange(float& value) { return m_bLoading ? ReadFloat(value) : WriteFloat(value); }
  bool Exchange(double& value) { return m_bLoading ? ReadDouble(value) : WriteDouble(value); }

  // The bytes stored so far, or the whole file being loaded.
  const std::string& GetBytes() const { return m_bytes; }
  // Bytes consumed by a loading archive.
  size_t GetPosition() const { return m_nPosition; }

private:
  bool ReadBits(std::uint64_t& bits, size_t size);
  bool WriteBits(std::uint64_t bits, size_t size);

  std::string m_bytes;
  size_t m_nPosition = 0;
  bool m_bLoading = false;
  bool m_bFailed = false;
};

// A window, view or camera whose settings travel in the settings file. Each
// exchanges its record when it is created (loading) and when it is destroyed
// (storing), while the document has a settings archive open.
class CSettingsRecord {
public:
  virtual ~CSettingsRecord() = default;
  // FALSE when the archive failed; the record then falls back to its defaults.
  virtual bool SerializeSettings(CSettingsArchive& archive) = 0;
};
