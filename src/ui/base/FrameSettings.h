#pragma once

#include "SettingsArchive.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Show commands of a window placement, with the numbers the settings file
// keeps.
constexpr std::int32_t kShowNone = -1;
constexpr std::int32_t kShowNormal = 1;
constexpr std::int32_t kShowMinimized = 2;
constexpr std::int32_t kShowMaximized = 3;

// The toolbar byte: hidden, shown, or nothing read (the frame then has no
// visibility pending).
constexpr std::uint8_t kToolBarHidden = 0;
constexpr std::uint8_t kToolBarShown = 1;
constexpr std::uint8_t kToolBarNone = 2;

// The window-settings record of a child frame: splitter sizes (version 2),
// placement, show command and toolbar byte (versions 1 and 2).
class CFrameSettings {
public:
  // Sizes kept of a record read; the program itself writes 2 columns, 1 row.
  static constexpr size_t kKeptPanes = 4;
  // More columns or rows than this mark the file damaged.
  static constexpr std::int32_t kMaxPanes = 64;

  // Reads or writes the record for the settings version; any other version
  // exchanges nothing. FALSE when the archive failed or the record was
  // damaged: placement, sizes and show command then return to their defaults.
  bool Exchange(CSettingsArchive& archive, int version);
  // No placement, no sizes, no show command.
  void ResetLayout();
  bool HasPlacement() const { return m_nLeft != 0 || m_nTop != 0 || m_nWidth != 0 || m_nHeight != 0; }

  std::vector<std::int32_t> m_columnWidths;
  std::vector<std::int32_t> m_rowHeights;
  std::int32_t m_nLeft = 0;
  std::int32_t m_nTop = 0;
  std::int32_t m_nWidth = 0;
  std::int32_t m_nHeight = 0;
  std::int32_t m_nShowCommand = kShowNone;
  std::uint8_t m_nToolBar = kToolBarNone;

private:
  bool ReadSizes(CSettingsArchive& archive);
  bool WriteSizes(CSettingsArchive& archive) const;
  bool ExchangePlacement(CSettingsArchive& archive);
};

// The one value a tree or scroll view carries in the settings file.
class CStoredPaneValue {
public:
  explicit CStoredPaneValue(std::int32_t defaultValue) : m_nDefault(defaultValue), m_nValue(defaultValue) {}

  // FALSE when the archive failed; the value then returns to its default.
  bool Exchange(CSettingsArchive& archive);
  std::int32_t GetValue() const { return m_nValue; }
  void SetValue(std::int32_t value) { m_nValue = value; }

private:
  std::int32_t m_nDefault;
  std::int32_t m_nValue;
};

constexpr std::int32_t kTreePaneDefault = 200;
constexpr std::int32_t kScrollPaneDefault = 100;
