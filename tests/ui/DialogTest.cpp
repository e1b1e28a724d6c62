#include "AppDriver.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "EntryDialogs.h"
#include "GridListCtrl.h"
#include "ItemEnable.h"
#include "ItemGroup.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVTreeView.h"
#include "MessageRecorder.h"
#include "Project.h"
#include "TextBuffer.h"
#include "Vector.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
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
                             "\ngrid Netz Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 "
                             "0 4 -5 -5 0 5 -5 0 5 5 0 -5 5 0 0.3 0.3 0.3 0.7 0.7 0.7 5 0.2 0 0 1 1 1 1 "
                             "\npolygon Flaeche Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 "
                             "0 3 0 0 0 1 0 0 0 1 0 "
                             "\nellipsoid Kugel Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 1 1 1 1 0 360 0 30 "
                             "\narc2 Bogen Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 1 1 1 0 0 0 0 90 "
                             "\nend-group"
                             "\nend-sim-data\n";

// The line edit a form row labels, or the dialog's only line edit.
QLineEdit* Field(QWidget& dialog, const char* label)
{
  if (!*label)
    return dialog.findChild<QLineEdit*>();
  for (QLabel* text : dialog.findChildren<QLabel*>())
    if (text->text() == QString::fromUtf8(label))
      return qobject_cast<QLineEdit*>(text->buddy());
  return nullptr;
}

// Types as the user does, so the page sees every intermediate text.
void Type(QLineEdit* edit, const char* text)
{
  edit->clear();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

// Works the next modal dialog other than the one given with the script; a
// dialog still open afterwards is cancelled.
CDialogPoll WorkNextDialog(std::function<void(QDialog&)> script, const QWidget* over = nullptr)
{
  return CDialogPoll(OnNextDialog<QDialog>(
      [script](QDialog& dialog) {
        script(dialog);
        if (dialog.isVisible())
          Click(dialog, "Abbrechen");
      },
      over, 1));
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

  // Opens the entry's dialog, on the sheet's page of that tab when one is
  // given; once it shows, the script works it.
  bool Edit(const char* name, int tab, std::function<void(QDialog&)> script)
  {
    m_messages.texts.clear();
    m_bShown = false;
    CDialogPoll poll = WorkNextDialog([this, tab, script](QDialog& dialog) {
      m_bShown = true;
      if (tab >= 0)
        dialog.findChild<QTabWidget*>()->setCurrentIndex(tab);
      script(dialog);
    });
    return m_project.EditEntry(*m_project.GetRoot().FindByPath(std::string("Projekt.Raum.") + name));
  }
  bool Edit(const char* name, std::function<void(QDialog&)> script) { return Edit(name, -1, std::move(script)); }

  bool TextHas(const std::string& fragment) const { return m_text.View().find(fragment) != std::string::npos; }

  CMessageRecorder m_messages;
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
  int tab = -1;        // the sheet's page shown
};

TEST_F(EntryDialog, FieldsAreCheckedBeforeAnythingIsTakenBack)
{
  const NumberCase cases[] = {
      {"Zahl", "", "10", "", "double Zahl Raum Abstand 1 1 1.000000000000000e+001 "},
      {"Zahl", "", " \t2.8 ", "", "double Zahl Raum Abstand 1 1 2.800000000000000e+000 "},
      {"Zahl", "", "10.5", "Geben Sie bitte eine Zahl zwischen 0 und 10 ein.", ""},
      {"Zahl", "", "1,5", "", "double Zahl Raum Abstand 1 1 1.500000000000000e+000 "},
      {"Zahl", "", "1,5,0", "Geben Sie bitte eine Zahl ein.", ""},
      {"Zahl", "", "1.000,5", "Geben Sie bitte eine Zahl ein.", ""},
      {"Zahl", "", "inf", "Geben Sie bitte eine Zahl ein.", ""},
      // A number link pushes its value into its target.
      {"Hoehe", "", "2.8", "", "Montage 1 1 0 0.000000000000000e+000 0.000000000000000e+000 2.800000000000000e+000 "},
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
      {"Kugel", "Polarwinkel Start", "120", "", "3.000000000000000e+001 1.200000000000000e+002 "},
      {"Bogen", "Radius", "-1", "Geben Sie bitte eine Zahl zwischen 0 und 1e+300 ein.", ""},
      {"Netz", "Unterteilungen", "4", "",
       "4 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 1 1 1 ", 1},
      {"Netz", "Unterteilungen", "1", "", "1 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 0 ",
       1},
      {"Netz", "Unterteilungen", "0", "", "0 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 0 1 ",
       1},
      {"Netz", "Hilfslinienabstand", "0.001", "",
       "5 1.000000000000000e-003 0.000000000000000e+000 0.000000000000000e+000 0 0 ", 1},
      {"Netz", "Unterteilungen", "21", "Geben Sie bitte eine ganze Zahl zwischen 0 und 20 ein.", "", 1},
      {"Netz", "Hilfslinienabstand", "0,25", "",
       "5 2.500000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 1 1 1 ", 1},
      {"Netz", "x1", "abc", "Geben Sie bitte eine Zahl ein.", "", 1},
  };
  for (const NumberCase& test : cases) {
    SCOPED_TRACE(std::string(test.entry) + " " + test.field + " " + (test.input ? test.input : ""));
    SetUp();
    QWidget* focused = nullptr;
    QLineEdit* field = nullptr;
    bool result = Edit(test.entry, test.tab, [&](QDialog& dialog) {
      field = Field(dialog, test.field);
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

// Its change is a row of FieldsAreCheckedBeforeAnythingIsTakenBack.
TEST_F(EntryDialog, NumberLinkShowsTheValueOfTheLink)
{
  EXPECT_FALSE(Edit("Hoehe", [](QDialog& dialog) { EXPECT_EQ(Field(dialog, "")->text(), "2"); }));
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

struct TypingCase {
  std::vector<std::pair<const char*, const char*>> typed; // label, text
  const char* majorStep;
  bool centred; // both boxes
};

TEST_F(EntryDialog, GridShowsTheMajorStepAndKeepsCentringWhileTyping)
{
  const TypingCase cases[] = {
      {{}, "1", true},
      {{{"Hilfslinienabstand", "0.5"}}, "2.5", true},
      // 5 x 1e308 is infinite: the step of "1e30", typed before, stays.
      {{{"Hilfslinienabstand", "1e308"}}, "5e+30", true},
      {{{"x1", "-1"}, {"x2", "1"}, {"y1", "-1"}, {"y2", "1"}}, "1", true},
      {{{"x1", "-1"}, {"x2", "1"}, {"y1", "-1"}, {"y2", "1"}, {"x1", "0.5"}}, "1", false},
      {{{"y2", "0"}}, "1", false},
  };
  for (const TypingCase& test : cases) {
    SCOPED_TRACE(test.majorStep);
    SetUp();
    QString majorStep;
    std::vector<bool> ticked;
    EXPECT_FALSE(Edit("Netz", 1, [&](QDialog& dialog) {
      for (auto [label, text] : test.typed)
        Type(Field(dialog, label), text);
      majorStep = Field(dialog, "Hauptlinienabstand")->text();
      for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text().contains("zentriert"))
          ticked.push_back(box->isChecked());
      Click(dialog, "Abbrechen");
    }));
    EXPECT_EQ(majorStep, test.majorStep);
    EXPECT_EQ(ticked, std::vector<bool>(2, test.centred));
    EXPECT_EQ(m_text.View(), m_before);
  }
}

// The polygon's fields in its record: front flag, count, vertices.
std::string PolygonFields(int front, const CVectorArray& vertices)
{
  CTextBuffer text;
  text.Append(std::to_string(front) + " " + std::to_string(vertices.size()) + " ");
  for (const CVector& v : vertices)
    v.Write(text);
  return std::string(text.View());
}

const CVectorArray kTriangle = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};

void SelectRow(QDialog& sheet, int row)
{
  auto* list = sheet.findChild<CGridListCtrl*>();
  list->clearSelection();
  if (row >= 0)
    list->topLevelItem(row)->setSelected(true);
}

struct PolygonListCase {
  const char* name;
  int select; // -1: no row
  const char* button;
  bool tickFront;
  const char* close;
  int front;
  CVectorArray vertices; // in the text after OK
  const char* normalZ;
};

TEST_F(EntryDialog, PolygonListChangesOnItsCopyAndIsTakenOnOk)
{
  const PolygonListCase cases[] = {
      {"loads", -1, "", false, "OK", 0, kTriangle, "1"},
      {"reverse", -1, "Umkehren", false, "OK", 0, {{0, 1, 0}, {1, 0, 0}, {0, 0, 0}}, "-1"},
      {"delete selected", 2, "Löschen", false, "OK", 0, {{0, 0, 0}, {1, 0, 0}}, "0"},
      {"delete without selection", -1, "Löschen", false, "OK", 0, kTriangle, "1"},
      {"front", -1, "", true, "OK", 1, kTriangle, "1"},
      {"cancel", -1, "Umkehren", true, "Abbrechen", 0, kTriangle, "-1"},
  };
  for (const PolygonListCase& test : cases) {
    SCOPED_TRACE(test.name);
    SetUp();
    int rows = -1;
    QString firstRow;
    QString normalZ;
    bool columnsInSight = false;
    const bool result = Edit("Flaeche", 1, [&](QDialog& dialog) {
      SelectRow(dialog, test.select);
      if (*test.button)
        Click(dialog, test.button);
      if (test.tickFront)
        Click(dialog, "Im Vordergrund");
      auto* list = dialog.findChild<CGridListCtrl*>();
      rows = list->topLevelItemCount();
      firstRow = QStringList{list->topLevelItem(0)->text(0), list->topLevelItem(0)->text(1)}.join(' ');
      columnsInSight = list->columnViewportPosition(3) + list->columnWidth(3) <= list->viewport()->width();
      normalZ = Field(dialog, "Normale z")->text();
      Click(dialog, test.close);
    });
    EXPECT_EQ(rows, static_cast<int>(test.vertices.size()));
    EXPECT_EQ(firstRow, QString::asprintf("0 %.4f", test.vertices[0].x));
    EXPECT_TRUE(columnsInSight);
    EXPECT_EQ(normalZ, test.normalZ);
    EXPECT_EQ(result, *test.close == 'O');
    if (result)
      EXPECT_TRUE(TextHas(PolygonFields(test.front, test.vertices))) << m_text.View();
    else
      EXPECT_EQ(m_text.View(), m_before);
  }
}

struct PointCase {
  const char* name;
  int select;         // -1: no row
  const char* open;   // a button, or "" for a double click on the selected row
  const char* title;  // nullptr: no point dialog opens
  const char* shownX; // as the point dialog opens
  std::pair<const char*, const char*> typed;
  std::vector<std::string> messages;
  CVectorArray vertices; // in the text after OK of both
};

TEST_F(EntryDialog, PolygonPointDialogInsertsAndChangesVertices)
{
  const PointCase cases[] = {
      {"append", -1, "Einfügen", "Punkt einfügen", "0", {"x", "2"}, {}, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}}},
      {"before", 1, "Einfügen", "Punkt einfügen", "0", {"x", "2"}, {}, {{0, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
      {"change", 1, "Ändern", "Punkt ändern", "1", {"z", "5"}, {}, {{0, 0, 0}, {1, 0, 5}, {0, 1, 0}}},
      {"double click", 2, "", "Punkt ändern", "0", {"y", "3"}, {}, {{0, 0, 0}, {1, 0, 0}, {0, 3, 0}}},
      {"change without selection", -1, "Ändern", nullptr, "", {"x", "2"}, {}, kTriangle},
      {"bad", -1, "Einfügen", "Punkt einfügen", "0", {"x", "1,5,0"}, {"Geben Sie bitte eine Zahl ein."}, kTriangle},
  };
  for (const PointCase& test : cases) {
    SCOPED_TRACE(test.name);
    SetUp();
    QString title;
    QString shownX;
    EXPECT_TRUE(Edit("Flaeche", 1, [&](QDialog& sheet) {
      SelectRow(sheet, test.select);
      {
        CDialogPoll poll = WorkNextDialog(
            [&](QDialog& point) {
              title = point.windowTitle();
              shownX = Field(point, "x")->text();
              Field(point, test.typed.first)->setText(test.typed.second);
              Click(point, "OK");
            },
            &sheet);
        if (*test.open) {
          Click(sheet, test.open);
        } else {
          // A double click as the platform sends it: a click, then the double click.
          auto* list = sheet.findChild<CGridListCtrl*>();
          const QPoint row = list->visualItemRect(list->topLevelItem(test.select)).center();
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
          QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        }
      }
      Click(sheet, "OK");
    }));
    EXPECT_EQ(title, test.title ? QString::fromUtf8(test.title) : QString());
    EXPECT_EQ(shownX, test.shownX);
    EXPECT_EQ(m_messages.texts, test.messages);
    EXPECT_TRUE(TextHas(PolygonFields(0, test.vertices))) << m_text.View();
  }
}

class TreeEdit : public EntryDialog {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(StartApp(m_app, {"*Pilot B1"}));
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
    CDialogPoll poll(OnNextDialog<QDialog>(script, nullptr, 1));
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
