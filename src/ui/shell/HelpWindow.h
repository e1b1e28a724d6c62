#pragma once

class QWidget;

// Opens the German help page shipped inside the program. FALSE when it
// cannot be shown.
bool ShowHelpContents(QWidget* parent);
