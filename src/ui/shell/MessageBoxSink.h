#pragma once

#include "Messages.h"

class QWidget;

// Shows the core's messages as message boxes over the main window, the
// Windows-1252 texts converted for the toolkit.
class CMessageBoxSink : public CMessageSink {
public:
  explicit CMessageBoxSink(QWidget* parent = nullptr) : m_pParent(parent) {}
  void SetParent(QWidget* parent) { m_pParent = parent; }
  void ShowMessage(const std::string& caption, const std::string& text) override;

private:
  QWidget* m_pParent;
};
