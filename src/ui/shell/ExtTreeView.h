#pragma once

#include "FrameSettings.h"
#include "SettingsArchive.h"

#include <QTreeWidget>

#include <cstdint>

// A tree pane of a document window: one column without header, buttons and
// lines down to the top items, no icons. It carries one stored value in the
// window settings that nothing else reads.
class CExtTreeView : public QTreeWidget, public CSettingsRecord {
  Q_OBJECT

public:
  explicit CExtTreeView(QWidget* parent = nullptr);

  bool SerializeSettings(CSettingsArchive& archive) override { return m_paneValue.Exchange(archive); }

private:
  CStoredPaneValue m_paneValue{kTreePaneDefault};
};
