#include "PlacementCommand.h"

#include "DetectionHeight.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlacementSearch.h"
#include "PlanEntries.h"
#include "StepLattice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

namespace {

QString Caption()
{
  return QString::fromUtf8(kApplicationName);
}

// Runs the search on a thread of its own while the dialog follows it; none
// when the user cancelled or no thread could be started.
std::optional<CPlacementOutcome> SearchWithProgress(QWidget& parent, const std::string& text,
                                                    const CSurfaceChoice& surfaces, bool keepZonesFree)
{
  std::atomic<bool> cancel = false;
  std::atomic<bool> finished = false;
  std::atomic<size_t> done = 0;
  std::atomic<size_t> total = 0;
  CPlacementRequest request;
  request.text = text;
  request.surfaces = surfaces;
  request.bKeepZonesFree = keepZonesFree;
  request.pCancel = &cancel;
  request.progress = [&done, &total](size_t measured, size_t settings) {
    done = measured;
    total = settings;
  };

  QProgressDialog dialog("Die Einstellungen des Sensors werden durchgerechnet...", "Abbrechen", 0, 0, &parent);
  dialog.setWindowTitle("Optimale Ausrichtung");
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setMinimumDuration(0);
  // Closing the dialog once the search is done also counts as cancelling.
  QObject::connect(&dialog, &QProgressDialog::canceled, [&cancel, &finished] { cancel = !finished; });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (finished) {
      dialog.accept();
      return;
    }
    // Busy until the settings are counted; the counts stay far below INT_MAX.
    dialog.setMaximum(static_cast<int>(total.load()));
    dialog.setValue(static_cast<int>(done.load()));
  });

  CPlacementOutcome outcome;
  std::thread search;
  try {
    search = std::thread([&] {
      outcome = FindBestPlacement(request);
      finished = true;
    });
  } catch (const std::system_error&) {
    QMessageBox::warning(&parent, Caption(), "Die Suche kann nicht gestartet werden.");
    return std::nullopt;
  }
  poll.start(50);
  dialog.exec();
  // Closed by the user: the search stops after the setting it measures.
  if (!finished)
    cancel = true;
  search.join();
  if (outcome.status == PlacementStatus::Cancelled)
    return std::nullopt;
  return outcome;
}

// A number with its unit, never broken apart by the message's line breaks.
QString WithUnit(const char* format, double value, const char* unit)
{
  return QString::asprintf(format, value) + QChar(0x00A0) + QString::fromUtf8(unit);
}

QString DescribeWatched(const CWatchedSum& sum)
{
  return WithUnit("%.2f", sum.watched, "m²") + " von " + WithUnit("%.2f", sum.area, "m²") + " (" +
         WithUnit("%.1f", 100.0 * sum.watched / sum.area, "%") + ", projiziert)";
}

// One value to a line, so that no line breaks inside a number.
bool AskToMove(QWidget& parent, const CPlacementOutcome& outcome, const CWatchedSum& now)
{
  QString text = QString("Die meiste Bodenfläche erfasst der Sensor bei dieser Einstellung,\n") +
                 WithUnit("%.0f", TotalSteps(outcome.steps), "Schritte") + " von hier entfernt:\n" +
                 "Montagehöhe: " + WithUnit("%.2f", outcome.values[0], "m") + "\n" +
                 "Kippwinkel: " + WithUnit("%.1f", outcome.values[2], "°") + "\n" +
                 "Drehwinkel: " + WithUnit("%.1f", outcome.values[1], "°") + "\n\n" +
                 "Erfasst: " + DescribeWatched(outcome.best) + "\n" + "Jetzt: " + WithUnit("%.2f", now.watched, "m²") +
                 "\n\nSoll der Sensor dorthin bewegt werden?";
  QMessageBox box(QMessageBox::Question, Caption(), text, QMessageBox::NoButton, &parent);
  QAbstractButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  box.setEscapeButton(box.addButton("&Nein", QMessageBox::NoRole));
  box.setDefaultButton(qobject_cast<QPushButton*>(yes));
  box.exec();
  return box.clickedButton() == yes;
}

// Asks, for a plan with no-watch zones, whether they must stay free: none
// when the user cancels, FALSE without zones.
std::optional<bool> AskKeepZonesFree(QWidget& parent, CProject& project)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  if (!plan || plan->zones.empty())
    return false;
  QMessageBox box(QMessageBox::Question, Caption(),
                  "Die Einstellungen des Sensors werden durchgerechnet. Sollen die Sperrzonen dabei frei bleiben?",
                  QMessageBox::NoButton, &parent);
  auto* keep = new QCheckBox("Sperrzonen freihalten", &box);
  keep->setChecked(true);
  box.setCheckBox(keep);
  QAbstractButton* start = box.addButton("&Suchen", QMessageBox::AcceptRole);
  box.setEscapeButton(box.addButton("Abbrechen", QMessageBox::RejectRole));
  box.setDefaultButton(qobject_cast<QPushButton*>(start));
  box.exec();
  if (box.clickedButton() != start)
    return std::nullopt;
  return keep->isChecked();
}

} // namespace

void RunOptimalPlacement(QWidget& parent, CKMVDocument& document)
{
  // The copies look for includes beside the project, as the document did.
  if (!document.GetPathName().empty()) {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::path(document.GetPathName()).parent_path(), ignored);
  }
  CSurfaceChoice floors;
  floors.height = ReadDetectionHeight(document.GetProject());
  std::optional<bool> keepZonesFree = AskKeepZonesFree(parent, document.GetProject());
  if (!keepZonesFree)
    return;
  std::optional<CPlacementOutcome> outcome =
      SearchWithProgress(parent, std::string(document.GetText().View()), floors, *keepZonesFree);
  if (!outcome)
    return;
  if (outcome->status == PlacementStatus::NoFreeSetting) {
    QMessageBox::information(&parent, Caption(),
                             "Keine Einstellung des Sensors hält alle Sperrzonen frei; er bleibt, wie er ist.");
    return;
  }
  if (outcome->status == PlacementStatus::TooLarge) {
    QMessageBox::warning(&parent, Caption(),
                         QString("Die Schritte des Sensors erreichen mehr als %1 Einstellungen oder mehr als %2 "
                                 "in einer Richtung; so viele werden nicht durchgerechnet.")
                             .arg(kMaxLatticeSize)
                             .arg(kMaxAxisSteps));
    return;
  }
  if (!(outcome->best.area > 0.0)) {
    QMessageBox::information(&parent, Caption(), "Keine Zielfläche dieses Projekts ist ein Boden.");
    return;
  }
  if (TotalSteps(outcome->steps) == 0) {
    QMessageBox::information(
        &parent, Caption(),
        "Die jetzige Ausrichtung erfasst schon die meiste Bodenfläche: " + DescribeWatched(outcome->best) + ".");
    return;
  }
  if (!AskToMove(parent, *outcome, SumWatched(document.GetProject(), floors)))
    return;
  for (int command : StepCommandIds(outcome->steps))
    document.OnCommand(command);
}
