#pragma once

class QTranslator;

// Installs Qt's own German texts (file, print and colour dialogs, the edit
// fields' context menus) whatever the locale, from Qt's translations folder.
// FALSE, with nothing installed, when the translation is not there; the
// program then runs with Qt's English texts.
bool InstallQtTranslation(QTranslator& translator);
