#pragma once

#include "SettingsArchive.h"

#include <QTreeWidget>

#include <cstdint>

// A tree pane of a document window: one column without header, buttons and
// lines down to the top items, no icons. It carries one stored value in the
// window settings that nothing else reads.
class CExtTreeView : public QTreeWidget, public CSettingsRecord {
  Q_OBJECT

public:
  static constexpr std::int32_t kDefaultPaneValue = 200;

  explicit CExtTreeView(QWidget* parent = nullptr);

  // One int32, the stored pane value; it returns to its default when the
  // archive fails.
  bool SerializeSettings(CSettingsArchive& archive) override;

  std::int32_t GetPaneValue() const { return m_nPaneValue; }

private:
  std::int32_t m_nPaneValue = kDefaultPaneValue;
};
