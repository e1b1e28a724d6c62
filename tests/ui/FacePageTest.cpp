#include "EntryDialogs.h"
#include "Messages.h"
#include "Project.h"
#include "TextBuffer.h"
#include "modules/ModuleFakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

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

void Click(QWidget& dialog, const char* text)
{
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
    if (button->text() == QString::fromUtf8(text)) {
      button->click();
      return;
    }
}

// Types as the user does, so the page sees every intermediate text.
void Type(QLineEdit* edit, const char* text)
{
  edit->clear();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

// Runs the script on the next modal dialog; a dialog still open afterwards
// is cancelled. A polling timer: the dialog runs its own event loop.
void OnNextDialog(std::function<void(QDialog&)> script)
{
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, script] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog)
      return;
    poll->stop();
    poll->deleteLater();
    script(*dialog);
    if (dialog->isVisible())
      Click(*dialog, "Abbrechen");
  });
  poll->start(1);
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
    OnNextDialog([script](QDialog& dialog) {
      dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
      script(dialog);
    });
    return m_project.EditEntry(*m_project.GetRoot().FindByPath(std::string("Projekt.Raum.") + name));
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
      {"Netz", "Hilfslinienabstand", "1,5", "Geben Sie bitte eine Zahl ein.", ""},
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

} // namespace
