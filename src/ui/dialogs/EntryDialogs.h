#pragma once

#include "EntryEditor.h"

#include <QString>

#include <optional>

class CMessageSink;
class QWidget;

// What every entry dialog needs: its parent window, where validation
// messages go, and the caption of the sheets.
struct CDialogContext {
  QWidget* pParent;
  CMessageSink& messages;
  QString caption;
  EntryAccess access;
};

// One family of entry kinds: nullopt when the entry is none of them, else
// TRUE when the user confirmed and the entry took the values.
using EntryDialogFn = std::optional<bool> (*)(CItemBase& entry, const CDialogContext& context);

// The program's entry editor: the dialog or property sheet of each entry
// kind at the user level. Kinds without one, and any other level, give FALSE.
class CEntryDialogs : public CEntryEditor {
public:
  CEntryDialogs(QWidget* parent, CMessageSink& messages) : m_pParent(parent), m_messages(messages) {}
  void SetParent(QWidget* parent) { m_pParent = parent; }
  bool Change(CItemBase& entry, int editLevel, EntryAccess access) override;

private:
  QWidget* m_pParent;
  CMessageSink& m_messages;
};
