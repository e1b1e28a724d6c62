#include "PlacementCommand.h"

#include "DetectionHeight.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlacementSearch.h"
#include "PlanEntries.h"
#include "ProjectRoom.h"
#include "SensorSet.h"
#include "SensorUnion.h"
#include "StepLattice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <functional>
#include <numeric>
#include <optional>
#include <system_error>
#include <thread>

namespace {

QString Caption()
{
  return QString::fromUtf8(kApplicationName);
}

// What a search running on its own thread tells the progress dialog.
struct CSearchProgress {
  std::atomic<bool> cancel = false;
  std::atomic<bool> finished = false;
  std::atomic<size_t> done = 0;
  std::atomic<size_t> total = 0;
  // Of the search of all sensors; 0 while one sensor is searched.
  std::atomic<size_t> round = 0;
  std::atomic<size_t> sensor = 0;
};

// Runs the search on a thread of its own while the dialog follows it; FALSE
// when the user cancelled or no thread could be started.
bool RunWithProgress(QWidget& parent, CSearchProgress& progress, const std::function<void()>& search)
{
  QProgressDialog dialog("Die Einstellungen des Sensors werden durchgerechnet...", "Abbrechen", 0, 0, &parent);
  dialog.setWindowTitle("Optimale Ausrichtung");
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setMinimumDuration(0);
  // Closing the dialog once the search is done also counts as cancelling.
  QObject::connect(&dialog, &QProgressDialog::canceled, [&progress] { progress.cancel = !progress.finished; });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (progress.finished) {
      dialog.accept();
      return;
    }
    if (progress.round > 0)
      dialog.setLabelText(QString("Die Einstellungen von Sensor %1 werden durchgerechnet (Runde %2)...")
                              .arg(progress.sensor.load())
                              .arg(progress.round.load()));
    // Busy until the settings are counted; the counts stay far below INT_MAX.
    dialog.setMaximum(static_cast<int>(progress.total.load()));
    dialog.setValue(static_cast<int>(progress.done.load()));
  });

  std::thread worker;
  try {
    worker = std::thread([&] {
      search();
      progress.finished = true;
    });
  } catch (const std::system_error&) {
    QMessageBox::warning(&parent, Caption(), "Die Suche kann nicht gestartet werden.");
    return false;
  }
  poll.start(50);
  dialog.exec();
  // Closed by the user: the search stops after the setting it measures.
  if (!progress.finished)
    progress.cancel = true;
  worker.join();
  return !progress.cancel;
}

CPlacementRequest MakeRequest(CSearchProgress& progress, const CSurfaceChoice& surfaces, bool keepZonesFree)
{
  CPlacementRequest request;
  request.surfaces = surfaces;
  request.bKeepZonesFree = keepZonesFree;
  request.pCancel = &progress.cancel;
  request.progress = [&progress](size_t measured, size_t settings) {
    progress.done = measured;
    progress.total = settings;
  };
  return request;
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

// The floors as every sensor of the document watches them now.
CWatchedSum UnionNow(CKMVDocument& document, const CSurfaceChoice& floors)
{
  CProject& project = document.GetProject();
  CSensorSet& sensors = document.GetSensors();
  if (sensors.Count() == 1)
    return SumWatched(project, floors);
  return SumWatched(AnalyseSensorsCoverage(project, sensors, floors.bShadows, floors.height).value_or(CCoverage{}),
                    floors);
}

// Tells why a search found nothing; FALSE then.
bool ReportFailure(QWidget& parent, const CPlacementOutcome& outcome)
{
  if (outcome.status == PlacementStatus::NoFreeSetting) {
    QMessageBox::information(&parent, Caption(),
                             "Keine Einstellung des Sensors hält alle Sperrzonen frei; er bleibt, wie er ist.");
    return false;
  }
  if (outcome.status == PlacementStatus::TooLarge) {
    QMessageBox::warning(&parent, Caption(),
                         QString("Die Schritte des Sensors erreichen mehr als %1 Einstellungen oder mehr als %2 "
                                 "in einer Richtung; so viele werden nicht durchgerechnet.")
                             .arg(kMaxLatticeSize)
                             .arg(kMaxAxisSteps));
    return false;
  }
  if (!(outcome.best.area > 0.0)) {
    QMessageBox::information(&parent, Caption(), "Keine Zielfläche dieses Projekts ist ein Boden.");
    return false;
  }
  return true;
}

// The moves stepped on the document's project as one change; then sensor
// 1's CAD1 runs through the document, which reads the values again and
// updates the views.
void ApplyMoves(CKMVDocument& document, const std::vector<CSensorMove>& moves)
{
  CDocumentChange change(document, "Optimale Ausrichtung");
  // The document's own set, whose modules the views' coverage reads.
  for (const CSensorMove& move : moves)
    MoveSensor(document.GetSensors(), move.sensor, move.steps);
  document.RunModuleCommand(CModuleTable::RunIndexOf("CAD1"), false);
}

enum class SearchScope { CurrentSensor, AllSensors };

// With several sensors, asks whose settings are searched; none when the
// user cancels.
std::optional<SearchScope> AskScope(QWidget& parent, size_t sensors, size_t current)
{
  if (sensors < 2)
    return SearchScope::CurrentSensor;
  QMessageBox box(QMessageBox::Question, Caption(),
                  QString("Der Raum hat %1 Sensoren. Soll nur der aktuelle Sensor (Sensor %2) ausgerichtet werden, "
                          "während die anderen bleiben, oder sollen alle Sensoren reihum ausgerichtet werden?")
                      .arg(sensors)
                      .arg(current),
                  QMessageBox::NoButton, &parent);
  QAbstractButton* one = box.addButton("nur aktueller Sensor", QMessageBox::AcceptRole);
  QAbstractButton* all = box.addButton("alle Sensoren", QMessageBox::AcceptRole);
  box.setEscapeButton(box.addButton("Abbrechen", QMessageBox::RejectRole));
  box.setDefaultButton(qobject_cast<QPushButton*>(one));
  box.exec();
  if (box.clickedButton() == one)
    return SearchScope::CurrentSensor;
  if (box.clickedButton() == all)
    return SearchScope::AllSensors;
  return std::nullopt;
}

// The current sensor's settings searched, the others held.
void PlaceCurrentSensor(QWidget& parent, CKMVDocument& document, const CSurfaceChoice& floors, bool keepZonesFree)
{
  const size_t sensor = document.GetCurrentSensor();
  const std::string text(document.GetText().View());
  CSearchProgress progress;
  CPlacementRequest request = MakeRequest(progress, floors, keepZonesFree);
  request.text = text;
  request.sensor = sensor;
  CPlacementOutcome outcome;
  if (!RunWithProgress(parent, progress, [&] { outcome = FindBestPlacement(request); }) ||
      outcome.status == PlacementStatus::Cancelled || !ReportFailure(parent, outcome))
    return;
  if (TotalSteps(outcome.steps) == 0) {
    QMessageBox::information(
        &parent, Caption(),
        "Die jetzige Ausrichtung erfasst schon die meiste Bodenfläche: " + DescribeWatched(outcome.best) + ".");
    return;
  }
  if (!AskToMove(parent, outcome, UnionNow(document, floors)))
    return;
  ApplyMoves(document, {{sensor, outcome.steps}});
}

// Every sensor in rounds, as "kmvtool optimize --all".
void PlaceAllSensors(QWidget& parent, CKMVDocument& document, const CSurfaceChoice& floors, bool keepZonesFree)
{
  const std::string text(document.GetText().View());
  CSearchProgress progress;
  CRoundsOutcome outcome;
  auto search = [&] {
    CProjectRoom room(text);
    outcome = FindBestPlacements(room, MakeRequest(progress, floors, keepZonesFree), [&](size_t round, size_t sensor) {
      progress.total = 0;
      progress.done = 0;
      progress.sensor = sensor;
      progress.round = round;
    });
  };
  if (!RunWithProgress(parent, progress, search) || outcome.last.status == PlacementStatus::Cancelled ||
      !ReportFailure(parent, outcome.last))
    return;
  const int steps = std::accumulate(outcome.moved.begin(), outcome.moved.end(), 0,
                                    [](int sum, const CStepCounts& moved) { return sum + TotalSteps(moved); });
  const CWatchedSum now = UnionNow(document, floors);
  if (steps == 0) {
    QMessageBox::information(
        &parent, Caption(),
        "Die jetzige Ausrichtung aller Sensoren erfasst schon die meiste Bodenfläche: " + DescribeWatched(now) + ".");
    return;
  }
  CProjectRoom moved(text);
  for (const CSensorMove& move : outcome.moves)
    moved.Move(move.sensor, move.steps);
  QString lines;
  for (size_t sensor = 1; sensor <= outcome.moved.size(); ++sensor)
    lines +=
        QString("Sensor %1: ").arg(sensor) + WithUnit("%.0f", TotalSteps(outcome.moved[sensor - 1]), "Schritte") + "\n";
  QMessageBox box(QMessageBox::Question, Caption(),
                  "Die meiste Bodenfläche erfassen die Sensoren zusammen so weit von hier:\n" + lines + "\nErfasst: " +
                      DescribeWatched(moved.Union(floors)) + "\nJetzt: " + WithUnit("%.2f", now.watched, "m²") +
                      "\n\nSollen die Sensoren dorthin bewegt werden?",
                  QMessageBox::NoButton, &parent);
  QAbstractButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  box.setEscapeButton(box.addButton("&Nein", QMessageBox::NoRole));
  box.setDefaultButton(qobject_cast<QPushButton*>(yes));
  box.exec();
  if (box.clickedButton() == yes)
    ApplyMoves(document, outcome.moves);
}

} // namespace

void RunOptimalPlacement(QWidget& parent, CKMVDocument& document)
{
  // The copies look for includes beside the project, as the document did.
  if (!document.GetPathName().empty()) {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::path(document.GetPathName()).parent_path(), ignored);
  }
  std::optional<SearchScope> scope = AskScope(parent, document.CountSensors(), document.GetCurrentSensor());
  if (!scope)
    return;
  CSurfaceChoice floors;
  floors.height = ReadDetectionHeight(document.GetProject());
  std::optional<bool> keepZonesFree = AskKeepZonesFree(parent, document.GetProject());
  if (!keepZonesFree)
    return;
  if (*scope == SearchScope::AllSensors)
    PlaceAllSensors(parent, document, floors, *keepZonesFree);
  else
    PlaceCurrentSensor(parent, document, floors, *keepZonesFree);
}
