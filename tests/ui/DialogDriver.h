#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs the work on the next modal dialog once it is up. A polling timer,
// not a wait: the dialog runs its own event loop.
inline void OnNextDialog(std::function<void(QWidget&)> work)
{
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, work] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
      return;
    poll->stop();
    poll->deleteLater();
    work(*modal);
  });
  poll->start(5);
}

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
