#include "ExtToolBar.h"

#include <QAction>
#include <QActionEvent>
#include <QMouseEvent>

#include <algorithm>

CExtToolBar::CExtToolBar(QWidget* parent) : QToolBar(parent)
{
  connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(m_nRepeatTimer); });
}

void CExtToolBar::AddRepeatCommand(unsigned id)
{
  m_repeatCommands.push_back(id);
}

void CExtToolBar::OnTimer(int id)
{
  if (id == 0 || id != m_nRepeatTimer)
    return;
  if (id == kInitialTimer) {
    StartTimer(kRepeatTimer, kRepeatInterval);
    return;
  }
  QAction* action = FindAction(m_nPressedCommand);
  // A disabled button gets no release of its own: end the repeat here, so it
  // cannot resume when the command is enabled again.
  if (action == nullptr || !action->isEnabled()) {
    StopTimer();
    return;
  }
  action->trigger();
}

void CExtToolBar::actionEvent(QActionEvent* event)
{
  QToolBar::actionEvent(event);
  if (event->type() != QEvent::ActionAdded)
    return;
  if (QWidget* button = widgetForAction(event->action()))
    button->installEventFilter(this);
}

bool CExtToolBar::eventFilter(QObject* watched, QEvent* event)
{
  const auto type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      if (type == QEvent::MouseButtonRelease) {
        StopTimer();
        // The button clicks after this filter; the press ends after that.
        QTimer::singleShot(0, this, [this, press = m_nHeldPress] {
          if (m_nHeldPress == press)
            m_nHeldPress = 0;
        });
      } else {
        OnButtonPressed(watched);
      }
    }
  }
  return QToolBar::eventFilter(watched, event);
}

void CExtToolBar::OnButtonPressed(QObject* button)
{
  StopTimer();
  m_nPressedCommand = -1;
  m_nHeldPress = 0;
  const auto list = actions();
  const auto pressed =
      std::find_if(list.begin(), list.end(), [&](QAction* action) { return widgetForAction(action) == button; });
  if (pressed == list.end() || (*pressed)->isSeparator())
    return;
  m_nPressedCommand = (*pressed)->data().toInt();
  if (!(*pressed)->isEnabled() || !IsRepeatCommand(m_nPressedCommand))
    return;
  m_nHeldPress = ++m_nPressCount;
  StartTimer(kInitialTimer, kInitialDelay);
}

bool CExtToolBar::IsRepeatCommand(int command) const
{
  return command >= 0 && std::find(m_repeatCommands.begin(), m_repeatCommands.end(), static_cast<unsigned>(command)) !=
                             m_repeatCommands.end();
}

QAction* CExtToolBar::FindAction(int command) const
{
  const auto list = actions();
  const auto found = std::find_if(list.begin(), list.end(), [command](QAction* action) {
    return !action->isSeparator() && action->data().toInt() == command;
  });
  return found == list.end() ? nullptr : *found;
}

void CExtToolBar::StartTimer(int id, int interval)
{
  m_nRepeatTimer = id;
  m_timer.start(interval);
}

void CExtToolBar::StopTimer()
{
  m_timer.stop();
  m_nRepeatTimer = 0;
}
