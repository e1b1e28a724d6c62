#pragma once

#include <QDialog>

#include <string>

// "Info": what the program is, its version and the free physical memory.
class CAboutDlg : public QDialog {
  Q_OBJECT

public:
  explicit CAboutDlg(QWidget* parent);
};

// "Version " and the product version, its commas turned into points.
std::string FormatVersionLine(const std::string& productVersion);
// "verfügbarer phys. Speicher: N kB" (Windows-1252) from the bytes free.
std::string FormatMemoryLine(unsigned long long availableBytes);
// The physical memory free for new programs, 0 when it cannot be read.
unsigned long long AvailablePhysicalMemory();
