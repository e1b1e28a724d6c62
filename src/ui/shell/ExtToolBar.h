#pragma once

#include <QTimer>
#include <QToolBar>

#include <vector>

class QAction;

// A toolbar whose registered buttons repeat their command while held down:
// once after the initial delay, then at every repeat interval, until the
// button is released (which then clicks once more as usual). Every action
// carries its command id in QAction::data().
class CExtToolBar : public QToolBar {
  Q_OBJECT

public:
  static constexpr int kInitialTimer = 101234;
  static constexpr int kRepeatTimer = 101235;
  static constexpr int kInitialDelay = 300;
  static constexpr int kRepeatInterval = 20;

  explicit CExtToolBar(QWidget* parent = nullptr);

  void AddRepeatCommand(unsigned id);
  // Timer steps; the running timer calls it with its id, tests may too.
  // Ids other than the running timer's are ignored.
  void OnTimer(int id);
  // The timer id in use, 0 when none.
  int GetRepeatTimer() const { return m_nRepeatTimer; }
  int GetTimerInterval() const { return m_timer.interval(); }
  // While a repeating button is held, through the click of its release: the
  // number of that press (from 1 on), so its commands can be told apart
  // from another press's. 0 at other times.
  int GetHeldPress() const { return m_nHeldPress; }

protected:
  void actionEvent(QActionEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OnButtonPressed(QObject* button);
  bool IsRepeatCommand(int command) const;
  QAction* FindAction(int command) const;
  void StartTimer(int id, int interval);
  void StopTimer();

  QTimer m_timer;
  int m_nRepeatTimer = 0;
  int m_nPressedCommand = -1;
  int m_nPressCount = 0;
  int m_nHeldPress = 0;
  std::vector<unsigned> m_repeatCommands;
};
