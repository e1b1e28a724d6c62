#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "PagePainter.h"
#include "QtTranslation.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class Printing : public testing::Test {
protected:
  bool Start(const QStringList& arguments) { return StartApp(m_app, arguments); }
  CKMV3DView& View() { return *m_app.GetDocuments().at(0)->GetFrames().at(0)->Get3DView(); }

  CKMVApp m_app;
};

// Closes the next message box once it is up and keeps its text.
CDialogPoll CloseNextMessage(QString& text)
{
  return CDialogPoll(OnNextDialog<QMessageBox>([&text](QMessageBox& box) {
    text = box.text();
    box.accept();
  }));
}

// Names the file in the next file dialog once it is up and accepts it.
CDialogPoll AnswerNextFileDialog(const QString& path)
{
  return CDialogPoll(OnNextDialog<QFileDialog>([path](QFileDialog& dialog) {
    dialog.selectFile(path);
    static_cast<QDialog&>(dialog).accept();
  }));
}

TEST_F(Printing, CopyPutsThePictureAtTheViewsSizeOnTheClipboard)
{
  ASSERT_TRUE(Start({"*Pilot B1"}));
  QApplication::clipboard()->clear();
  m_app.GetMainFrame().DispatchCommand(ID_EDIT_COPY);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(QApplication::clipboard()->image().size(), View().size());
  EXPECT_TRUE(data->hasFormat("image/png"));
  EXPECT_TRUE(data->data("image/svg+xml").contains("width=\"" + QByteArray::number(View().width()) + "\""));
}

TEST_F(Printing, PrintWritesAPageToAPdfPrinter)
{
  ASSERT_TRUE(Start({"*Pilot B1"}));
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("page.pdf"));
  ASSERT_TRUE(View().PrintTo(printer));
  QFile file(dir.filePath("page.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST_F(Printing, ReportGoesToTheFileNamedOrEndsWithAMessage)
{
  ASSERT_TRUE(Start({"*Pilot B1"}));
  QAction* report = m_app.GetMainFrame().GetAction(ID_FILE_REPORT);
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(m_app.GetMainFrame().menuBar()->actions().at(0)->menu()->actions().contains(report));
  QTemporaryDir dir;
  struct Case {
    QString name;
    QString written; // empty: nothing may be written
    QString message;
  };
  const Case cases[] = {
      {"bericht", "bericht.pdf", ""},
      {"fehlt/bericht.pdf", "", "Der Bericht konnte nicht geschrieben werden."},
  };
  for (const Case& c : cases) {
    QString text;
    const CDialogPoll naming = AnswerNextFileDialog(dir.filePath(c.name));
    const CDialogPoll message = CloseNextMessage(text);
    report->trigger();
    EXPECT_EQ(text.section('\n', 0, 0), c.message) << c.name.toStdString();
    if (!c.written.isEmpty()) {
      QFile file(dir.filePath(c.written));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written.toStdString();
      QByteArray bytes = file.readAll();
      EXPECT_TRUE(bytes.startsWith("%PDF-"));
      // The page of printing, then the map and the tables.
      EXPECT_TRUE(bytes.contains("/Count 3")) << c.name.toStdString();
    }
  }
}

TEST_F(Printing, FileNamesKeepTheFileSystemsSpelling)
{
  QTemporaryDir dir;
  const QString office = dir.filePath("Büro.kmv");
  CKMVDocument model;
  model.SetTitle("*Pilot B1");
  ASSERT_TRUE(model.OnNewDocument());
  ASSERT_TRUE(model.SaveAs(QFile::encodeName(office).toStdString()));
  ASSERT_TRUE(Start({office}));
  EXPECT_EQ(m_app.GetMainFrame().windowTitle(), "Velmar CAD-Planungssoftware - [Büro.kmv]");
  EXPECT_EQ(FormatPageHeader(m_app.GetDocuments().at(0)->GetDocument(), QDateTime())[1], "Projekt: Büro.kmv");
  QString text;
  const CDialogPoll message = CloseNextMessage(text);
  EXPECT_EQ(m_app.OpenDocumentFile(QFile::encodeName(dir.filePath("Nüx.kmv")).toStdString()), nullptr);
  EXPECT_EQ(text, "Die Datei " + dir.filePath("Nüx.kmv") + " kann nicht geöffnet werden.");
}

TEST_F(Printing, SaveAsAsksBeforeReplacingAFileNamedWithoutItsSuffix)
{
  QTranslator german;
  bool translated = InstallQtTranslation(german);
  ASSERT_TRUE(Start({"*Pilot B1"}));
  QTemporaryDir dir;
  QFile old(dir.filePath("Haus.kmv"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
  old.close();
  QString question;
  QString save;
  const CDialogPoll naming(OnNextDialog<QFileDialog>([&](QFileDialog& dialog) {
    save = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->text();
    dialog.selectFile(dir.filePath("Haus"));
    static_cast<QDialog&>(dialog).accept();
    dialog.reject();
  }));
  const CDialogPoll replacing(OnNextDialog<QMessageBox>([&question](QMessageBox& box) {
    question = box.text();
    box.button(QMessageBox::No)->click();
  }));
  m_app.GetMainFrame().DispatchCommand(ID_FILE_SAVE_AS);
  EXPECT_TRUE(question.contains("Haus.kmv")) << question.toStdString();
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "alt");
  if (translated) {
    EXPECT_EQ(save, "S&peichern");
  }
}

TEST_F(Printing, CommandLineNamingAMissingPrinterEndsWithAMessage)
{
  QString text;
  const CDialogPoll message = CloseNextMessage(text);
  EXPECT_FALSE(Start({"-pt", "*Pilot B1", "Kein Drucker"}));
  EXPECT_EQ(text, "Der Drucker \"Kein Drucker\" ist nicht vorhanden.");
  EXPECT_TRUE(m_app.IsPrintRun());
  EXPECT_TRUE(m_app.GetDocuments().empty());
}

} // namespace
