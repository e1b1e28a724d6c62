#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

// Runs the work once on the next modal widget of type T that comes up,
// other than the one given. A polling timer, not a wait: the dialog runs its
// own event loop. The timer deletes itself after the work; delete it through
// the pointer to give up when no dialog came.
template <class T = QWidget>
QPointer<QTimer> OnNextDialog(std::type_identity_t<std::function<void(T&)>> work, const QWidget* over = nullptr,
                              int interval = 5)
{
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, work, over] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!modal || modal == over)
      return;
    poll->stop();
    poll->deleteLater();
    work(*modal);
  });
  poll->start(interval);
  return poll;
}

// Holds a poller of OnNextDialog for the scope of a test and stops it there:
// when no dialog came, the poller must not outlive the locals its work
// refers to.
class [[nodiscard]] CDialogPoll {
public:
  explicit CDialogPoll(QPointer<QTimer> poll) : m_poll(std::move(poll)) {}
  ~CDialogPoll() { delete m_poll.data(); }
  CDialogPoll(const CDialogPoll&) = delete;
  CDialogPoll& operator=(const CDialogPoll&) = delete;

  // The work has run (or begun, when it runs a dialog of its own).
  bool Done() const { return !m_poll || !m_poll->isActive(); }

private:
  QPointer<QTimer> m_poll;
};

// Clicks the button of that text in the dialog.
inline void Click(QWidget& dialog, const QString& text)
{
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
    if (button->text() == text) {
      button->click();
      return;
    }
}

inline void SetField(QWidget& dialog, const QString& name, const QString& text)
{
  if (auto* edit = dialog.findChild<QLineEdit*>(name))
    edit->setText(text);
}

// Fills the named fields, then clicks the button of that text.
inline void FillAndConfirm(QWidget& dialog, const std::vector<std::pair<const char*, const char*>>& fields,
                           const QString& button)
{
  for (const auto& [name, text] : fields)
    SetField(dialog, name, text);
  Click(dialog, button);
}
