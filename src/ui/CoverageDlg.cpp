#include "CoverageDlg.h"

#include "CoverageTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kStaleNote = "Die Ergebnisse sind veraltet: der letzte Lauf von CAD1 ist fehlgeschlagen. Sie "
                                   "erscheinen wieder, sobald CAD1 erfolgreich rechnet.";

} // namespace

CCoverageDlg::CCoverageDlg(QWidget* parent)
    : QDialog(parent), m_pTable(new QTableWidget(this)), m_pNote(new QLabel(this))
{
  auto* caption = new QLabel("Projizierte Abdeckung je Zielfläche: CAD1 wirft keine Schatten, ein Erfassungsfeld "
                             "auf dem Tisch verdeckt den Boden dahinter nicht.",
                             this);
  caption->setWordWrap(true);
  m_pTable->setObjectName("coverage");
  m_pTable->setColumnCount(static_cast<int>(kCoverageColumns.size()));
  QStringList headers;
  for (const char* header : kCoverageColumns)
    headers << QString::fromUtf8(header);
  m_pTable->setHorizontalHeaderLabels(headers);
  m_pTable->verticalHeader()->hide();
  m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
  m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pTable->setSelectionMode(QAbstractItemView::NoSelection);
  m_pTable->setFocusPolicy(Qt::NoFocus);
  // The dialog opens as large as the whole table.
  m_pTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_pTable->horizontalHeader()->setStretchLastSection(true);
  m_pNote->setObjectName("note");
  m_pNote->setWordWrap(true);
  m_pNote->hide();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Close)->setText("Schließen");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(m_pTable, 1);
  layout->addWidget(m_pNote);
  layout->addWidget(buttons);
}

void CCoverageDlg::SetDocumentTitle(const QString& title)
{
  setWindowTitle("Abdeckung - " + title);
}

void CCoverageDlg::ShowCoverage(const std::optional<CCoverage>& coverage, bool patchesCurrent)
{
  std::vector<CCoverageRow> rows = coverage ? CoverageTableRows(*coverage) : std::vector<CCoverageRow>();
  m_pTable->setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r) {
    bool total = r + 1 == rows.size();
    for (size_t c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
      if (total) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
      }
      m_pTable->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
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
  if (!isVisible())
    adjustSize();
}
