#include "SplashWnd.h"

#include "MessageRecorder.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<QEvent> MouseEvent(QEvent::Type type, Qt::MouseButton button)
{
  return std::make_unique<QMouseEvent>(type, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier);
}

} // namespace

TEST(SplashWnd, FirstKeyOrButtonPressIsSwallowedAndClosesThePicture)
{
  struct Case {
    std::unique_ptr<QEvent> event;
    bool swallowed;
    bool closes;
  };
  Case cases[] = {
      {std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier), true, true},
      {MouseEvent(QEvent::MouseButtonPress, Qt::LeftButton), true, true},
      {MouseEvent(QEvent::MouseButtonPress, Qt::RightButton), true, true},
      {MouseEvent(QEvent::MouseButtonDblClick, Qt::MiddleButton), true, true},
      {MouseEvent(QEvent::NonClientAreaMouseButtonPress, Qt::LeftButton), true, true},
      {MouseEvent(QEvent::MouseButtonPress, Qt::BackButton), false, false},
      {MouseEvent(QEvent::MouseMove, Qt::NoButton), false, false},
      // Claims the key from the shortcuts; its press follows and closes.
      {std::make_unique<QKeyEvent>(QEvent::ShortcutOverride, Qt::Key_N, Qt::ControlModifier), true, false},
      {std::make_unique<QKeyEvent>(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier), false, false},
  };
  QMainWindow mainFrame;
  mainFrame.show();
  CMessageRecorder messages;
  for (Case& c : cases) {
    SCOPED_TRACE(c.event->type());
    CSplashWnd::ShowSplashScreen(&mainFrame, &messages);
    CSplashWnd* splash = CSplashWnd::GetSplashWnd();
    ASSERT_NE(splash, nullptr);
    CSplashWnd::ShowSplashScreen(&mainFrame, &messages);
    EXPECT_EQ(CSplashWnd::GetSplashWnd(), splash);

    EXPECT_EQ(CSplashWnd::PreTranslateAppMessage(c.event.get()), c.swallowed);
    EXPECT_EQ(CSplashWnd::GetSplashWnd() == nullptr, c.closes);
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(c.event.get()) && c.closes);
    if (CSplashWnd::GetSplashWnd() != nullptr)
      CSplashWnd::GetSplashWnd()->HideSplashScreen();
  }
  EXPECT_TRUE(messages.texts.empty());
}
