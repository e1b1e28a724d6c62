#pragma once

#include <QString>

#include <string>

class QWidget;

// Asks for the name of a file the program is about to write. The dialog
// adds the suffix to a name without one before it checks whether the file
// exists, so replacing one is always asked for. The file system's bytes of
// the chosen name; empty when the user cancelled.
std::string AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter,
                            const QString& suffix);
