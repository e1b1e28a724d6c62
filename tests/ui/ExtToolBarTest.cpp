#include "ExtToolBar.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kRaise = 32871;
constexpr int kOpen = 57601;

class RepeatButtons : public testing::Test {
protected:
  void SetUp() override
  {
    m_pRepeat = AddButton(kRaise, m_nRepeatSent);
    m_pPlain = AddButton(kOpen, m_nPlainSent);
    m_bar.AddRepeatCommand(kRaise);
    m_bar.show();
  }

  QAction* AddButton(int command, int& sent)
  {
    QAction* action = m_bar.addAction(QString::number(command));
    action->setData(command);
    QObject::connect(action, &QAction::triggered, [&sent] { ++sent; });
    return action;
  }

  void Press(QAction* action) { QTest::mousePress(m_bar.widgetForAction(action), Qt::LeftButton); }
  void Release(QAction* action) { QTest::mouseRelease(m_bar.widgetForAction(action), Qt::LeftButton); }

  CExtToolBar m_bar;
  QAction* m_pRepeat = nullptr;
  QAction* m_pPlain = nullptr;
  int m_nRepeatSent = 0;
  int m_nPlainSent = 0;
};

} // namespace

TEST_F(RepeatButtons, OnlyEnabledRepeatButtonsStartTheTimer)
{
  struct Case {
    bool repeatButton;
    bool enabled;
    int timer;       // after the press
    int repeatTimer; // after the delay
    int sent;
  };
  // Held through a foreign timer, the delay and two repeat ticks, then
  // released: the release clicks once more.
  for (const Case& c : {Case{true, true, CExtToolBar::kInitialTimer, CExtToolBar::kRepeatTimer, 3},
                        Case{false, true, 0, 0, 1}, Case{true, false, 0, 0, 0}}) {
    SCOPED_TRACE(c.repeatButton);
    QAction* action = c.repeatButton ? m_pRepeat : m_pPlain;
    int& sent = c.repeatButton ? m_nRepeatSent : m_nPlainSent;
    sent = 0;
    action->setEnabled(c.enabled);
    Press(action);
    EXPECT_EQ(m_bar.GetRepeatTimer(), c.timer);
    m_bar.OnTimer(1111);
    m_bar.OnTimer(CExtToolBar::kInitialTimer);
    EXPECT_EQ(m_bar.GetRepeatTimer(), c.repeatTimer);
    m_bar.OnTimer(CExtToolBar::kRepeatTimer);
    m_bar.OnTimer(CExtToolBar::kRepeatTimer);
    Release(action);
    EXPECT_EQ(m_bar.GetRepeatTimer(), 0);
    EXPECT_EQ(sent, c.sent);
    action->setEnabled(true);
  }
}

TEST_F(RepeatButtons, RepeatStopsOnceTheCommandIsDisabled)
{
  Press(m_pRepeat);
  m_bar.OnTimer(CExtToolBar::kInitialTimer);
  m_bar.OnTimer(CExtToolBar::kRepeatTimer);
  m_pRepeat->setEnabled(false);
  m_bar.OnTimer(CExtToolBar::kRepeatTimer);
  EXPECT_EQ(m_bar.GetRepeatTimer(), 0);
  m_pRepeat->setEnabled(true);
  m_bar.OnTimer(CExtToolBar::kRepeatTimer);
  EXPECT_EQ(m_nRepeatSent, 1);
}
