#pragma once

#include "SensorValues.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <array>
#include <string>

class QPainter;

using CPageHeader = std::array<QString, 3>;

// A core text (Windows-1252) for Qt.
QString FromCp1252(const std::string& text);

// The header of a printed view: program and time, project title (Windows-1252),
// the sensor's height, tilt and turn.
CPageHeader FormatPageHeader(const std::string& title, const SensorValues& values, const QDateTime& when);

// Paints one page on the painter's device: the header lines in "Courier",
// an eighth of an inch high, and the picture stretched into its rectangle.
// FALSE, with nothing painted, when the device or the picture has no size.
bool PaintPage(QPainter& painter, const QImage& picture, const CPageHeader& header);
