#include "CommandIds.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "ModuleCommands.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Coverage : public testing::Test {
protected:
  void Start(const QStringList& arguments)
  {
    CKMVApp::Options options;
    options.bSplash = false;
    ASSERT_TRUE(m_app.InitInstance(arguments, options));
  }
  CMainFrame& Frame() { return m_app.GetMainFrame(); }
  CDocumentWindows& Document() { return *m_app.GetDocuments().at(0); }

  CKMVApp m_app;
};

TEST_F(Coverage, PaneShowsTheFloorsShareAndFollowsEachStep)
{
  Start({"*Pilot B1"});
  // As kmvtool coverage prints the floor of this model.
  EXPECT_EQ(Frame().GetCoverageText().toStdString(), "Abdeckung: 12.6 %");
  QRegularExpression share("^Abdeckung: \\d+\\.\\d %$");
  for (int step : {ID_HEIGHT_UP, ID_HEIGHT_DOWN, ID_TILT_DOWN, ID_TILT_UP}) {
    std::string before = Frame().GetCoverageText().toStdString();
    Frame().DispatchCommand(step);
    EXPECT_TRUE(share.match(Frame().GetCoverageText()).hasMatch()) << step;
    EXPECT_NE(Frame().GetCoverageText().toStdString(), before) << step;
  }
  Document().GetDocument().SetModifiedFlag(false);
  ASSERT_TRUE(m_app.CloseDocument(Document()));
  EXPECT_TRUE(Frame().GetCoverageText().isEmpty());
}

} // namespace
