#pragma once

// Property sheets of the entries: a modal dialog with one tab per page, OK
// and "Abbrechen".
//
// A page derives from CPropertyPage, holds its own copies of the entry's
// fields, fills them from the entry in its constructor, then declares each
// field once with the Add... helpers (one labelled row each, bound through
// its CFieldBinder). TakeBack() copies the checked values into the entry.
//
//   CPropertySheet sheet(caption, parent);
//   sheet.AddPage(new C3DColorItemPage(entry, messages), "Allgemein");
//   sheet.AddPage(new CPointPage(entry, messages), "Punkt");
//   return sheet.Edit();
//
// OK stores every page's fields in page order; the first refused field keeps
// the sheet open on its page. Edit() then lets the pages take their values
// back in the same order, each only when the one before was taken, and is
// TRUE when all were; Cancel leaves the entry untouched. A read-only sheet
// shows the fields disabled, without OK, and never changes the entry.

#include "DataExchange.h"
#include "EntryEditor.h"

// The Add... helpers return their controls for further settings.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QWidget>

#include <string>
#include <vector>

class QFormLayout;
class QTabWidget;

class CPropertyPage : public QWidget {
public:
  explicit CPropertyPage(CMessageSink& messages);

  // FALSE stops the sheet: later pages are not taken back.
  virtual bool TakeBack() = 0;
  bool Store() { return m_binder.Store(); }
  void Load() { m_binder.Load(); }

protected:
  QLineEdit* AddDouble(const QString& label, double& value);
  QLineEdit* AddDouble(const QString& label, double& value, double low, double high);
  QLineEdit* AddInteger(const QString& label, int& value, int low, int high);
  QLineEdit* AddUnsigned(const QString& label, unsigned& value, unsigned high);
  QLineEdit* AddText(const QString& label, std::string& value, int maxLength);
  QCheckBox* AddCheck(const QString& text, int& value);
  QFormLayout* Form() const { return m_pForm; }

  CMessageSink& m_messages;
  CFieldBinder m_binder;

private:
  QLineEdit* AddEdit(const QString& label);

  QFormLayout* m_pForm;
};

class CPropertySheet : public QDialog {
public:
  CPropertySheet(const QString& caption, QWidget* parent, EntryAccess access = EntryAccess::Editable);

  // The sheet owns the page; the first page added is shown first.
  void AddPage(CPropertyPage* page, const QString& title);
  // Shows the sheet modally; TRUE when OK was pressed and every page was
  // taken back.
  bool Edit();

  void accept() override;

private:
  QTabWidget* m_pTabs;
  std::vector<CPropertyPage*> m_pages;
  EntryAccess m_access;
};

// The caption of a sheet or dialog opened by Change ("Ändern").
QString ChangeCaption();
