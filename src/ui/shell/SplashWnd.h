#pragma once

#include <QTimer>
#include <QWidget>

class CMessageSink;
class QEvent;

// The start-up picture: shown over the main window until its timer fires or
// the first key or mouse-button press, which it swallows. At most one exists.
class CSplashWnd : public QWidget {
  Q_OBJECT

public:
  static constexpr int kWidth = 559;
  static constexpr int kHeight = 350;
  static constexpr int kDisplayTime = 7000;

  // Shows the picture unless one is up; on a display of exactly 8 bits per
  // pixel the colour warning comes first.
  static void ShowSplashScreen(QWidget* mainFrame, CMessageSink* messages);
  // The application offers every event here first. TRUE (swallowed) for a
  // key or mouse-button press while the picture is up, which closes it.
  static bool PreTranslateAppMessage(QEvent* event);
  // The picture that is up, or null.
  static CSplashWnd* GetSplashWnd() { return s_pSplashWnd; }

  ~CSplashWnd() override;
  CSplashWnd(const CSplashWnd&) = delete;
  CSplashWnd& operator=(const CSplashWnd&) = delete;

  // Stops the timer, takes the picture away and repaints the main window.
  void HideSplashScreen();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  explicit CSplashWnd(QWidget* mainFrame);
  void CentreOnScreen();

  static CSplashWnd* s_pSplashWnd;

  QWidget* m_pMainFrame;
  QTimer m_timer;
};
