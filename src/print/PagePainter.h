#pragma once

#include "KMVDocument.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <array>
#include <string>

class QPainter;

using CPageHeader = std::array<QString, 3>;

// A core text (Windows-1252) for Qt.
QString FromCp1252(const std::string& text);

// The document's name as the user sees it: its file's name in the file
// system's encoding, else its title (core text: a built-in model, a room).
QString DocumentTitle(const CExtDocument& document);

// The header of a printed view: program and time, the document's name, the
// sensor's height, tilt and turn.
CPageHeader FormatPageHeader(const CKMVDocument& document, const QDateTime& when);

// Paints one page on the painter's device: the header lines in "Courier",
// an eighth of an inch high, and the picture stretched into its rectangle.
// FALSE, with nothing painted, when the device or the picture has no size.
bool PaintPage(QPainter& painter, const QImage& picture, const CPageHeader& header);
