#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "EntryDialogs.h"
#include "ItemEnable.h"
#include "ItemGroup.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVTreeView.h"
#include "Messages.h"
#include "Project.h"
#include "TextBuffer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string kProject = "begin-sim-data Projekt  _ 1 1 0 "
                             "\nbegin-group Raum Projekt _ 1 1 32 "
                             "\nbegin-system Sensor Raum Montage 1 1 0 0 0 2.5 0 0 0 "
                             "\nend-system"
                             "\ndouble Zahl Raum Abstand 1 1 5 0 10 "
                             "\ndoublelink Hoehe Raum _ 1 1 2 1 4 Projekt.Raum.Sensor.@3 "
                             "\nenable Licht Raum Licht_an 1 1 2 "
                             "\nword Stufe Raum _ 1 1 3 0 5 "
                             "\nchoice Zwei Raum Art 1 1 1 0 1 Wand Decke "
                             "\nchoice Drei Raum Montageart 1 1 7 0 2 Wand Decke Ecke "
                             "\nchoice Vier Raum Art 1 1 65535 0 3 a b c d "
                             "\nchoice Sechs Raum Art 1 1 0 0 5 a b c d e f "
                             "\npoint Punkt Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 0.1 1 "
                             "\npointmatrix Gitter Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 0.1 0 2 2 1 1 "
                             "\npoint Lang Raum " +
                             std::string(255, 'x') +
                             " 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 0.1 1 "
                             "\nend-group"
                             "\nend-sim-data\n";

class CRecorder : public CMessageSink {
public:
  void ShowMessage(const std::string& caption, const std::string& text) override
  {
    texts.push_back(caption == kApplicationName ? text : "wrong caption");
  }
  std::vector<std::string> texts;
};

// The field a form row labels, or the dialog's only line edit.
QLineEdit* Field(QWidget& dialog, const QString& label)
{
  if (label.isEmpty())
    return dialog.findChild<QLineEdit*>();
  for (QFormLayout* form : dialog.findChildren<QFormLayout*>())
    for (int row = 0; row < form->rowCount(); ++row)
      if (auto* text = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)
                                                 ? form->itemAt(row, QFormLayout::LabelRole)->widget()
                                                 : nullptr);
          text && text->text() == label)
        return qobject_cast<QLineEdit*>(form->itemAt(row, QFormLayout::FieldRole)->widget());
  return nullptr;
}

class EntryDialog : public testing::Test {
protected:
  void SetUp() override
  {
    m_text.Assign(kProject);
    m_project.SetEntryEditor(&m_dialogs);
    ASSERT_TRUE(m_project.Load(m_text).IsOk());
    m_project.Refresh();
    m_before = std::string(m_text.View());
  }

  // Opens the entry's dialog; once it shows, the script works it.
  bool Edit(const char* name, std::function<void(QDialog&)> script)
  {
    m_bShown = false;
    QPointer<QTimer> poll = OnNextDialog<QDialog>(
        [this, script](QDialog& dialog) {
          m_bShown = true;
          script(dialog);
          if (dialog.isVisible())
            Click(dialog, "Abbrechen");
        },
        nullptr, 1);
    bool result = m_project.EditEntry(*m_project.GetRoot().FindByPath(std::string("Projekt.Raum.") + name));
    delete poll;
    return result;
  }

  bool TextHas(const std::string& fragment) const { return m_text.View().find(fragment) != std::string::npos; }

  CRecorder m_messages;
  CEntryDialogs m_dialogs{nullptr, m_messages};
  CTextBuffer m_text;
  CProject m_project;
  std::string m_before;
  bool m_bShown = false;
};

struct NumberCase {
  const char* entry;
  const char* field;
  const char* input;
  const char* message; // empty: accepted
  const char* record;  // in the text after OK
};

TEST_F(EntryDialog, NumbersAreCheckedBeforeAnythingIsTakenBack)
{
  const NumberCase cases[] = {
      {"Zahl", "", "10", "", "double Zahl Raum Abstand 1 1 1.000000000000000e+001 "},
      {"Zahl", "", " \t2.8 ", "", "double Zahl Raum Abstand 1 1 2.800000000000000e+000 "},
      {"Zahl", "", "10.5", "Geben Sie bitte eine Zahl zwischen 0 und 10 ein.", ""},
      {"Zahl", "", "1,5", "", "double Zahl Raum Abstand 1 1 1.500000000000000e+000 "},
      {"Zahl", "", "1,5,0", "Geben Sie bitte eine Zahl ein.", ""},
      {"Zahl", "", "1.000,5", "Geben Sie bitte eine Zahl ein.", ""},
      {"Zahl", "", "inf", "Geben Sie bitte eine Zahl ein.", ""},
      {"Gitter", "Anzahl x", "10", "", " 10 2 1.000000000000000e+000 "},
      {"Gitter", "Anzahl x", "10.5", "Geben Sie bitte eine ganze Zahl ein.", ""},
      {"Gitter", "Anzahl x", "1,5", "Geben Sie bitte eine ganze Zahl ein.", ""},
      {"Gitter", "Anzahl x", "0", "Geben Sie bitte eine ganze Zahl zwischen 1 und 1000 ein.", ""},
      {"Lang", "Beschreibung", nullptr, "Geben Sie bitte nicht mehr als 254 Zeichen ein.", ""},
      {"Punkt", "Drehung z", "180.5", "Geben Sie bitte eine Zahl zwischen -180 und 180 ein.", ""},
      {"Punkt", "Füllfarbe rot", "-1", "", "0.000000000000000e+000 -1.000000000000000e+000 5.000000000000000e-001 "},
      {"Punkt", "Füllfarbe grün", "-0.5", "Geben Sie bitte eine Zahl zwischen 0 und 1 ein.", ""},
      {"Stufe", "Wert", "-1", "Geben Sie bitte eine positive ganze Zahl ein.", ""},
      {"Stufe", "Wert", "65536", "Geben Sie bitte eine ganze Zahl zwischen 0 und 65535 ein.", ""},
      {"Stufe", "Wert", "4", "", "word Stufe Raum _ 1 1 4 0 5 "},
  };
  for (const NumberCase& test : cases) {
    SCOPED_TRACE(std::string(test.entry) + " " + test.field + " " + (test.input ? test.input : ""));
    SetUp();
    m_messages.texts.clear();
    QWidget* focused = nullptr;
    QLineEdit* field = nullptr;
    bool result = Edit(test.entry, [&](QDialog& dialog) {
      field = Field(dialog, QString::fromUtf8(test.field));
      ASSERT_NE(field, nullptr);
      if (test.input)
        field->setText(test.input);
      Click(dialog, "OK");
      focused = dialog.focusWidget();
    });
    if (*test.message) {
      EXPECT_FALSE(result);
      EXPECT_EQ(m_messages.texts, std::vector<std::string>{test.message});
      EXPECT_EQ(focused, field);
      EXPECT_EQ(m_text.View(), m_before);
    } else {
      EXPECT_TRUE(result);
      EXPECT_TRUE(m_messages.texts.empty());
      EXPECT_TRUE(TextHas(test.record)) << m_text.View();
    }
  }
}

TEST_F(EntryDialog, CancelLeavesTheTextAsItWas)
{
  for (const char* entry : {"Zahl", "Hoehe", "Licht", "Stufe", "Drei", "Punkt", "Gitter"}) {
    SCOPED_TRACE(entry);
    EXPECT_FALSE(Edit(entry, [](QDialog& dialog) {
      for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        edit->setText("1");
      for (QAbstractButton* box : dialog.findChildren<QAbstractButton*>())
        if (box->isCheckable())
          box->toggle();
    }));
    EXPECT_TRUE(m_bShown);
    EXPECT_EQ(m_text.View(), m_before);
  }
}

TEST_F(EntryDialog, NumberLinkPushesTheNewValueIntoItsTarget)
{
  EXPECT_TRUE(Edit("Hoehe", [](QDialog& dialog) {
    EXPECT_EQ(Field(dialog, "")->text(), "2");
    Field(dialog, "")->setText("2.8");
    Click(dialog, "OK");
  }));
  EXPECT_TRUE(TextHas("begin-system Sensor Raum Montage 1 1 0 0.000000000000000e+000 0.000000000000000e+000 "
                      "2.800000000000000e+000 "))
      << m_text.View();
}

TEST_F(EntryDialog, SwitchOpensTickedForAnyValueButZeroAndStoresOne)
{
  dynamic_cast<CItemEnable&>(*m_project.GetRoot().FindByPath("Projekt.Raum.Licht")).m_bValue = 2;
  EXPECT_TRUE(Edit("Licht", [](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Licht");
    auto* box = dialog.findChild<QCheckBox*>();
    EXPECT_EQ(box->text(), "Licht an");
    EXPECT_TRUE(box->isChecked());
    Click(dialog, "OK");
  }));
  EXPECT_TRUE(TextHas("enable Licht Raum Licht_an 1 1 1 "));
}

struct ChoiceCase {
  const char* entry;
  const char* title;
  int checked; // -1: none
  int click;   // -1: none
  const char* record;
};

TEST_F(EntryDialog, ChoiceShowsItsOptionsAndStoresTheSelection)
{
  const ChoiceCase cases[] = {
      {"Zwei", "Auswahl", 1, 0, "choice Zwei Raum Art 1 1 0 0 1 "},
      {"Drei", "Montageart", -1, 2, "choice Drei Raum Montageart 1 1 2 0 2 "},
      {"Vier", "Auswahl", -1, -1, "choice Vier Raum Art 1 1 65535 0 3 "},
  };
  EXPECT_FALSE(Edit("Sechs", [](QDialog&) { ADD_FAILURE() << "no dialog for six options"; }));
  EXPECT_EQ(m_text.View(), m_before);
  for (const ChoiceCase& test : cases) {
    SCOPED_TRACE(test.entry);
    EXPECT_TRUE(Edit(test.entry, [&](QDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), test.title);
      QList<QRadioButton*> buttons = dialog.findChildren<QRadioButton*>();
      int checked = -1;
      for (int index = 0; index < buttons.size(); ++index)
        if (buttons[index]->isChecked())
          checked = index;
      EXPECT_EQ(checked, test.checked);
      if (test.click >= 0)
        buttons[test.click]->click();
      Click(dialog, "OK");
    }));
    EXPECT_TRUE(TextHas(test.record)) << m_text.View();
  }
}

class TreeEdit : public EntryDialog {
protected:
  void SetUp() override
  {
    CKMVApp::Options options;
    options.bSplash = false;
    ASSERT_TRUE(m_app.InitInstance({"*Pilot B1"}, options));
    m_pTree = m_app.GetDocuments().at(0)->GetFrames().at(0)->GetTreeView();
    QList<QTreeWidgetItem*> found = m_pTree->findItems("Montagehöhe", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    for (QTreeWidgetItem* group = found.at(0)->parent(); group; group = group->parent())
      group->setExpanded(true);
    m_pTree->setCurrentItem(found.at(0));
  }

  // Double clicks the selected entry; the script works its dialog.
  void OpenSelected(std::function<void(QDialog&)> script)
  {
    OnNextDialog<QDialog>(script, nullptr, 1);
    const QRect row = m_pTree->visualItemRect(m_pTree->currentItem());
    QTest::mouseDClick(m_pTree->viewport(), Qt::LeftButton, {}, row.center());
  }

  CKMVDocument& Document() { return m_app.GetDocuments().at(0)->GetDocument(); }
  int Expanded() const
  {
    int count = 0;
    for (QTreeWidgetItemIterator item(m_pTree); *item; ++item)
      count += (*item)->isExpanded() ? 1 : 0;
    return count;
  }

  CKMVApp m_app;
  CKMVTreeView* m_pTree = nullptr;
};

TEST_F(TreeEdit, MountingHeightTypedInTheTreeMovesTheSensor)
{
  const std::string before(Document().GetText().View());
  const int expanded = Expanded();
  OpenSelected([](QDialog& dialog) { Click(dialog, "Abbrechen"); });
  EXPECT_EQ(Document().GetText().View(), before);
  EXPECT_FALSE(Document().IsModified());

  OpenSelected([](QDialog& dialog) {
    Field(dialog, "")->setText("2.8");
    Click(dialog, "OK");
  });
  EXPECT_TRUE(Document().IsModified());
  EXPECT_DOUBLE_EQ(Document().GetSensorValues().height, 2.8);
  EXPECT_EQ(Expanded(), expanded);
}

} // namespace
