#include "DialogDriver.h"
#include "EntryDialogs.h"
#include "GridListCtrl.h"
#include "Messages.h"
#include "Project.h"
#include "TextBuffer.h"
#include "Vector.h"
#include "modules/ModuleFakes.h"

#include <QCheckBox>
#include <QDialog>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string kProject = "begin-sim-data Projekt  _ 1 1 0 "
                             "\nbegin-group Raum Projekt _ 1 1 32 "
                             "\ngrid Netz Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 "
                             "0 4 -5 -5 0 5 -5 0 5 5 0 -5 5 0 0.3 0.3 0.3 0.7 0.7 0.7 5 0.2 0 0 1 1 1 1 "
                             "\npolygon Flaeche Raum _ 1 1 0 0 0 0 0 0 0.5 0.5 0.5 0 0 0 1 1 "
                             "0 3 0 0 0 1 0 0 0 1 0 "
                             "\nend-group"
                             "\nend-sim-data\n";

// The line edit a form row labels.
QLineEdit* Field(QWidget& dialog, const char* label)
{
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

// Runs the script on the next modal dialog other than the one given; a
// dialog still open afterwards is cancelled. A polling timer: the dialog runs
// its own event loop. The timer is returned to stop it when no dialog came.
QPointer<QTimer> WorkNextDialog(std::function<void(QDialog&)> script, const QWidget* over = nullptr)
{
  return OnNextDialog<QDialog>(
      [script](QDialog& dialog) {
        script(dialog);
        if (dialog.isVisible())
          Click(dialog, "Abbrechen");
      },
      over, 1);
}

class FacePage : public testing::Test {
protected:
  void SetUp() override
  {
    m_text.Assign(kProject);
    m_project.SetEntryEditor(&m_dialogs);
    ASSERT_TRUE(m_project.Load(m_text).IsOk());
    m_project.Refresh();
    m_before = std::string(m_text.View());
  }

  // Opens the entry's sheet on its own page and works it with the script.
  bool Edit(const char* name, std::function<void(QDialog&)> script)
  {
    m_messages.texts.clear();
    QPointer<QTimer> poll = WorkNextDialog([script](QDialog& dialog) {
      dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
      script(dialog);
    });
    const bool result = m_project.EditEntry(*m_project.GetRoot().FindByPath(std::string("Projekt.Raum.") + name));
    delete poll;
    return result;
  }

  bool TextHas(const std::string& fragment) const { return m_text.View().find(fragment) != std::string::npos; }

  CMessageRecorder m_messages;
  CEntryDialogs m_dialogs{nullptr, m_messages};
  CTextBuffer m_text;
  CProject m_project;
  std::string m_before;
};

struct FieldCase {
  const char* entry;
  const char* field;
  const char* input;
  const char* message; // empty: accepted
  const char* record;  // in the text after OK
};

TEST_F(FacePage, FieldsAreCheckedBeforeAnythingIsTakenBack)
{
  const FieldCase cases[] = {
      {"Netz", "Unterteilungen", "4", "",
       "4 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 1 1 1 "},
      {"Netz", "Unterteilungen", "1", "",
       "1 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 0 "},
      {"Netz", "Unterteilungen", "0", "",
       "0 2.000000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 0 1 "},
      {"Netz", "Hilfslinienabstand", "0.001", "",
       "5 1.000000000000000e-003 0.000000000000000e+000 0.000000000000000e+000 0 0 "},
      {"Netz", "Unterteilungen", "21", "Geben Sie bitte eine ganze Zahl zwischen 0 und 20 ein.", ""},
      {"Netz", "Hilfslinienabstand", "0,25", "",
       "5 2.500000000000000e-001 0.000000000000000e+000 0.000000000000000e+000 1 1 1 1 "},
      {"Netz", "Hilfslinien blau", "1.5", "Geben Sie bitte eine Zahl zwischen 0 und 1 ein.", ""},
      {"Netz", "Hauptlinienbreite", "-1", "Geben Sie bitte eine Zahl zwischen 0 und 10 ein.", ""},
      {"Netz", "x1", "abc", "Geben Sie bitte eine Zahl ein.", ""},
  };
  for (const FieldCase& test : cases) {
    SCOPED_TRACE(std::string(test.entry) + " " + test.field + " " + test.input);
    SetUp();
    QWidget* focused = nullptr;
    QLineEdit* field = nullptr;
    const bool result = Edit(test.entry, [&](QDialog& dialog) {
      field = Field(dialog, test.field);
      ASSERT_NE(field, nullptr);
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

struct TypingCase {
  std::vector<std::pair<const char*, const char*>> typed; // label, text
  const char* majorStep;
  bool centred; // both boxes
};

TEST_F(FacePage, GridShowsTheMajorStepAndKeepsCentringWhileTyping)
{
  const TypingCase cases[] = {
      {{}, "1", true},
      {{{"Unterteilungen", "5"}, {"Hilfslinienabstand", "0.2"}}, "1", true},
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
    EXPECT_FALSE(Edit("Netz", [&](QDialog& dialog) {
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

TEST_F(FacePage, PolygonListChangesOnItsCopyAndIsTakenOnOk)
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
    const bool result = Edit("Flaeche", [&](QDialog& dialog) {
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

TEST_F(FacePage, PolygonPointDialogInsertsAndChangesVertices)
{
  const PointCase cases[] = {
      {"append", -1, "Einfügen", "Punkt einfügen", "0", {"x", "2"}, {}, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}}},
      {"insert before",
       1,
       "Einfügen",
       "Punkt einfügen",
       "0",
       {"x", "2"},
       {},
       {{0, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
      {"change", 1, "Ändern", "Punkt ändern", "1", {"z", "5"}, {}, {{0, 0, 0}, {1, 0, 5}, {0, 1, 0}}},
      {"double click", 2, "", "Punkt ändern", "0", {"y", "3"}, {}, {{0, 0, 0}, {1, 0, 0}, {0, 3, 0}}},
      {"change without selection", -1, "Ändern", nullptr, "", {"x", "2"}, {}, kTriangle},
      {"malformed",
       -1,
       "Einfügen",
       "Punkt einfügen",
       "0",
       {"x", "1,5,0"},
       {"Geben Sie bitte eine Zahl ein."},
       kTriangle},
  };
  for (const PointCase& test : cases) {
    SCOPED_TRACE(test.name);
    SetUp();
    QString title;
    QString shownX;
    EXPECT_TRUE(Edit("Flaeche", [&](QDialog& sheet) {
      SelectRow(sheet, test.select);
      QPointer<QTimer> poll = WorkNextDialog(
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
      delete poll;
      Click(sheet, "OK");
    }));
    EXPECT_EQ(title, test.title ? QString::fromUtf8(test.title) : QString());
    EXPECT_EQ(shownX, test.shownX);
    EXPECT_EQ(m_messages.texts, test.messages);
    EXPECT_TRUE(TextHas(PolygonFields(0, test.vertices))) << m_text.View();
  }
}

} // namespace
