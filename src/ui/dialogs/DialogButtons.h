#pragma once

#include <QDialogButtonBox>

class QDialog;

// The "OK" and "Abbrechen" buttons of a dialog, wired to its accept and
// reject; the caller places the box in its layout.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, Qt::Orientation orientation = Qt::Horizontal);
