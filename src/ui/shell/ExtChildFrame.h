#pragma once

#include "FrameSettings.h"
#include "SettingsArchive.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QRect>

#include <cstdint>

class CExtDocument;
class CExtToolBar;
class CFrameHost;
class QSplitter;
class QToolBar;

// A document window with its own toolbar, which takes the place of the main
// toolbar while the window is active, and a record in the document's window
// settings (splitter sizes, placement, show command, toolbar visibility).
// At most kMaxToolBarSlots frames have a toolbar of their own at one time;
// further frames use the main toolbar.
class CExtChildFrame : public QMdiSubWindow, public CSettingsRecord {
  Q_OBJECT

public:
  static constexpr int kMaxToolBarSlots = 16;

  // primary: the document had no window yet; the derived frame decides from
  // it how to split and how to close.
  CExtChildFrame(CFrameHost& host, CExtDocument& document, int resourceId, bool primary);
  ~CExtChildFrame() override;
  CExtChildFrame(const CExtChildFrame&) = delete;
  CExtChildFrame& operator=(const CExtChildFrame&) = delete;

  // Makes the own toolbar (OnCreate), then reads the frame's record and
  // makes the panes (OnCreateClient). FALSE when the panes could not be made.
  bool Create();
  // Shows the frame once it is in the MDI area: the first time at its saved
  // placement, then with the saved show command, maximised when none is saved.
  void ActivateFrame();
  // Writes the frame's record while the document stores its settings; call
  // it when the frame closes, before its views write theirs.
  void WriteSettings();
  // Reads or writes the record as the archive's direction says, with the
  // document's settings version. FALSE when the archive failed.
  bool SerializeSettings(CSettingsArchive& archive) override;

  // Toolbar hand-over; the main window calls it on the deactivated frame,
  // then on the activated one, while both still exist.
  void OnMDIActivate(bool activate, CExtChildFrame* activated, CExtChildFrame* deactivated);
  // Command 59392: the own toolbar, or the main toolbar for a frame without one.
  void ToggleToolBar();
  bool IsToolBarVisible() const;

  bool IsPrimary() const { return m_bPrimary; }
  int GetResourceId() const { return m_nResourceId; }
  CExtDocument& GetDocument() const { return m_document; }
  // Null when the frame works with the main toolbar.
  CExtToolBar* GetToolBar() const { return m_pToolBar; }
  // The record read at creation (defaults when none was read).
  const CFrameSettings& GetSavedSettings() const { return m_saved; }
  // Placement when neither minimised nor maximised; empty when never known.
  QRect GetNormalGeometry() const;
  static int GetFrameCount() { return s_nFrameCount; }

protected:
  virtual void OnCreate();
  virtual bool OnCreateClient();
  // Makes the frame's panes; FALSE when one cannot be made.
  virtual bool CreatePanes() = 0;
  // The frame's splitter, made its widget on first use. The live splitter's
  // sizes travel in the record; a frame without it stores none.
  QSplitter& UseSplitter();
  CFrameHost& GetHost() const { return m_host; }

  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  bool TakeToolBarSlot();
  void ReleaseToolBarSlot();
  int GetToolBarSlotIndex() const;
  QToolBar& GetShownToolBar() const;
  CFrameSettings CaptureSettings() const;
  void TrackNormalGeometry();

  // Shared by all child frames.
  static int s_nFrameCount;
  static std::uint16_t s_nToolBarSlots;

  CFrameHost& m_host;
  CExtDocument& m_document;
  int m_nResourceId;
  bool m_bPrimary;
  QPointer<CExtToolBar> m_pToolBar;
  QPointer<QSplitter> m_pSplitter;
  std::uint16_t m_nToolBarSlot = 0;
  std::uint8_t m_nPendingToolBar = kToolBarNone;
  CFrameSettings m_saved;
  QRect m_normalGeometry;
  bool m_bPlaced = false;
};
