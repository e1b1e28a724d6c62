#include "AboutDlg.h"

#include "Messages.h"
#include "TextEncoding.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>
#include <sstream>

#ifndef KMV_PRODUCT_VERSION
#define KMV_PRODUCT_VERSION ""
#endif

std::string FormatVersionLine(const std::string& productVersion)
{
  std::string version = productVersion;
  std::replace(version.begin(), version.end(), ',', '.');
  return "Version " + version;
}

std::string FormatMemoryLine(unsigned long long availableBytes)
{
  return "verf\xFCgbarer phys. Speicher: " + std::to_string(availableBytes / 1024) + " kB";
}

unsigned long long AvailablePhysicalMemory()
{
  std::ifstream meminfo("/proc/meminfo");
  std::string line;
  while (std::getline(meminfo, line)) {
    std::istringstream fields(line);
    std::string key;
    unsigned long long kilobytes = 0;
    if (fields >> key >> kilobytes && key == "MemAvailable:")
      return kilobytes * 1024;
  }
  return 0;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
  setWindowTitle("Info");
  auto* layout = new QVBoxLayout(this);
  auto addLine = [this, layout](const QString& text) {
    auto* label = new QLabel(text, this);
    layout->addWidget(label);
    return label;
  };
  addLine("Simulation der Erfassungscharakteristik");
  addLine("für Velmar ®  ");
  QLabel* name = addLine(QString::fromUtf8(kApplicationName));
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  addLine("© Halvern GmbH. Alle Rechte vorbehalten.");
  addLine(QString::fromStdString(FormatVersionLine(KMV_PRODUCT_VERSION)))->setObjectName("version");
  addLine(QString::fromStdString(Cp1252ToUtf8(FormatMemoryLine(AvailablePhysicalMemory()))))->setObjectName("memory");
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setText("OK");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}
