#include "CoverageDlg.h"

#include "CoverageMap.h"
#include "CoverageTable.h"
#include "HeightField.h"
#include "MapFont.h"
#include "RenderedPicture.h"
#include "TextEncoding.h"
#include "ZoneTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kStaleNote = "Die Ergebnisse sind veraltet: der letzte Lauf von CAD1 ist fehlgeschlagen. Sie "
                                   "erscheinen wieder, sobald CAD1 erfolgreich rechnet.";

// The map's cells: as kmvtool draws them, coarser where the floors would
// span more than about 200 cells.
constexpr double kMapCell = 0.05;
constexpr int kMapCellsAcross = 200;
constexpr int kMapPixelsAcross = 360;

void SetHeaders(QTableWidget& table, const QStringList& headers)
{
  table.setColumnCount(static_cast<int>(headers.size()));
  table.setHorizontalHeaderLabels(headers);
}

QStringList Headers(const std::vector<std::string>& titles)
{
  QStringList headers;
  for (const std::string& title : titles)
    headers << QString::fromStdString(title);
  return headers;
}

// Read-only, as large as its contents, each column as wide as its texts.
void SetUpTable(QTableWidget& table, const QStringList& headers)
{
  SetHeaders(table, headers);
  table.verticalHeader()->hide();
  table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
  table.setEditTriggers(QAbstractItemView::NoEditTriggers);
  table.setSelectionMode(QAbstractItemView::NoSelection);
  table.setFocusPolicy(Qt::NoFocus);
  table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table.horizontalHeader()->setStretchLastSection(true);
}

QTableWidgetItem* Cell(const std::string& text, bool first)
{
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(first ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

// The rows into the table, the last one (the total) bold.
void FillTable(QTableWidget& table, const std::vector<std::vector<std::string>>& rows)
{
  table.setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) {
      QTableWidgetItem* item = Cell(rows[r][c], c == 0);
      if (r + 1 == rows.size()) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
      }
      table.setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
}

} // namespace

CCoverageDlg::CCoverageDlg(QWidget* parent)
    : QDialog(parent), m_pTable(new QTableWidget(this)),
      m_pCountCaption(new QLabel("Bodenflächen von oben: wie viele Sensoren jeden Punkt erfassen", this)),
      m_pCountMap(new QLabel(this)), m_pNote(new QLabel(this)),
      m_pZonesCaption(new QLabel("Sperrzonen: rot, wo ein Erfassungsfeld hineinreicht.", this)),
      m_pZones(new QTableWidget(this))
{
  auto* caption = new QLabel("Abdeckung je Zielfläche aus den sichtbaren Teilen der Erfassungsfelder: was eine "
                             "andere Zielfläche vor dem Sensorelement verdeckt, zählt nicht als erfasst.",
                             this);
  caption->setWordWrap(true);
  m_pTable->setObjectName("coverage");
  QStringList headers;
  for (const char* header : kCoverageColumns)
    headers << QString::fromUtf8(header);
  // The dialog opens as large as the whole table.
  SetUpTable(*m_pTable, headers);
  m_pZones->setObjectName("zones");
  QStringList zoneHeaders;
  for (const char* header : kZoneColumns)
    zoneHeaders << QString::fromUtf8(header);
  SetUpTable(*m_pZones, zoneHeaders);
  m_pZonesCaption->hide();
  m_pZones->hide();
  m_pCountMap->setObjectName("countMap");
  m_pCountMap->setWordWrap(true);
  m_pCountCaption->setWordWrap(true);
  m_pCountCaption->hide();
  m_pCountMap->hide();
  m_pNote->setObjectName("note");
  m_pNote->setWordWrap(true);
  m_pNote->hide();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setText("Schließen");
  // Return confirms a typed height, it does not close the table.
  close->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  // The count map beside the table, so that the table keeps its rows.
  auto* countMap = new QVBoxLayout;
  countMap->addWidget(m_pCountCaption);
  countMap->addWidget(m_pCountMap);
  countMap->addStretch(1);
  auto* tableRow = new QHBoxLayout;
  tableRow->addWidget(m_pTable, 1);
  tableRow->addLayout(countMap);
  layout->addLayout(tableRow, 1);
  layout->addWidget(m_pZonesCaption);
  layout->addWidget(m_pZones);
  layout->addWidget(m_pNote);
  layout->addWidget(buttons);
}

void CCoverageDlg::SetDocumentTitle(const QString& title)
{
  setWindowTitle("Abdeckung - " + title);
}

CCoverageDlg::~CCoverageDlg() = default;

void CCoverageDlg::ShowCoverage(const std::optional<CCoverage>& coverage, bool patchesCurrent,
                                const std::vector<std::optional<CCoverage>>& sensors)
{
  if (coverage && sensors.size() >= 2) {
    CSensorsTable table = SensorsCoverageTable(*coverage, sensors);
    SetHeaders(*m_pTable, Headers(table.headers));
    FillTable(*m_pTable, table.rows);
  } else {
    SetHeaders(*m_pTable, Headers(std::vector<std::string>(kCoverageColumns.begin(), kCoverageColumns.end())));
    std::vector<std::vector<std::string>> rows;
    if (coverage)
      for (const CCoverageRow& row : CoverageTableRows(*coverage))
        rows.emplace_back(row.begin(), row.end());
    FillTable(*m_pTable, rows);
  }
  ShowCountMap(coverage, sensors.size());
  // Patches without a known target would read as unwatched surfaces.
  if (!patchesCurrent)
    m_pNote->setText(kStaleNote);
  else if (!coverage)
    m_pNote->setText("Keine Erfassungscharakteristik: die Einträge von CAD1 fehlen.");
  else if (coverage->nUnassigned != 0)
    m_pNote->setText(QString("%1 Erfassungsfelder gehören zu keiner bekannten Zielfläche und sind nicht gezählt; "
                             "CAD1 neu berechnen.")
                         .arg(coverage->nUnassigned));
  m_pNote->setVisible(!coverage || coverage->nUnassigned != 0);
  if (m_pHeightField)
    m_pHeightField->Refresh();
  if (!isVisible())
    FitToContents();
}

void CCoverageDlg::FitToContents()
{
  // adjustSize() caps a window at two thirds of the screen, which clips the
  // columns of several sensors; here only the screen itself is the limit.
  QSize wanted = sizeHint();
  if (const QScreen* shownOn = screen())
    wanted = wanted.boundedTo(shownOn->availableGeometry().size());
  resize(wanted);
}

void CCoverageDlg::ShowCountMap(const std::optional<CCoverage>& united, size_t sensors)
{
  std::vector<const CTargetCoverage*> floors = united ? FloorTargets(*united) : std::vector<const CTargetCoverage*>();
  const bool shown = sensors >= 2 && !floors.empty();
  if (shown != m_pCountMap->isVisibleTo(this) && isVisible())
    QMetaObject::invokeMethod(this, &CCoverageDlg::FitToContents, Qt::QueuedConnection);
  m_pCountCaption->setVisible(shown);
  m_pCountMap->setVisible(shown);
  if (!shown)
    return;
  std::string error;
  if (!m_pMapFont)
    m_pMapFont = CMapFont::Open(kMapFontPixels, error);
  std::optional<CMapGrid> grid = FittedMapGrid(floors, kMapCell, kMapCellsAcross);
  if (!m_pMapFont || !grid) {
    m_pCountMap->setText(QString::fromStdString("Keine Karte: " + Cp1252ToUtf8(error)));
    return;
  }
  QImage map = ImageFromRendered(DrawCoverageMap(*united, *grid, *m_pMapFont, sensors));
  // Narrow enough to leave the table its columns.
  m_pCountMap->setPixmap(QPixmap::fromImage(
      map.width() > kMapPixelsAcross ? map.scaledToWidth(kMapPixelsAcross, Qt::SmoothTransformation) : map));
}

void CCoverageDlg::ShowZones(const std::vector<CZoneCoverage>& zones)
{
  std::vector<CZoneRow> rows = ZoneTableRows(zones);
  m_pZones->setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) {
      QTableWidgetItem* item = Cell(rows[r][c], c == 0);
      if (zones[r].IsWatched())
        item->setForeground(Qt::red);
      m_pZones->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  m_pZonesCaption->setVisible(!rows.empty());
  m_pZones->setVisible(!rows.empty());
}

void CCoverageDlg::SetHeightField(CHeightField* field)
{
  m_pHeightField = field;
  field->setParent(this);
  static_cast<QVBoxLayout*>(layout())->insertWidget(1, field);
  field->Refresh();
}
