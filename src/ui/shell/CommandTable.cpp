#include "CommandTable.h"

#include "CommandIds.h"
#include "ModuleCommands.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kCommands = {
    CommandInfo{ID_FILE_NEW, "&Neu...\tStrg+N", "Erstellt ein neues Dokument.\nNeu", "Ctrl+N"},
    CommandInfo{ID_FILE_NEW_ROOM, "Neuer &Raum...",
                "Erstellt ein Projekt für einen rechteckigen Raum mit seinen Maßen.\nNeuer Raum", ""},
    CommandInfo{ID_FILE_OPEN, "Ö&ffnen...\tStrg+O", "Öffnet ein bestehendes Dokument.\nÖffnen", "Ctrl+O"},
    CommandInfo{ID_FILE_CLOSE, "&Schließen", "Schließt das aktive Dokument.\nSchließen", ""},
    CommandInfo{ID_FILE_SAVE, "S&peichern\tStrg+S", "Speichert das aktive Dokument.\nSpeichern", "Ctrl+S"},
    CommandInfo{ID_FILE_SAVE_AS, "Speichern &unter...",
                "Speichert das aktive Dokument unter einem neuen Namen.\nSpeichern unter", ""},
    CommandInfo{ID_FILE_PRINT_SETUP, "Drucker&einrichtung...",
                "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung", ""},
    CommandInfo{ID_FILE_PRINT, "&Drucken...\tStrg+P", "Druckt das aktive Dokument.\nDrucken", "Ctrl+P"},
    CommandInfo{ID_FILE_PRINT_PREVIEW, "Sei&tenansicht", "Zeigt ganze Seiten an.\nSeitenansicht", ""},
    CommandInfo{ID_FILE_REPORT, "Bericht &als PDF...",
                "Schreibt die Ansicht, die Karte der Überdeckung und die Abdeckung der Zielflächen (projiziert) "
                "als PDF-Dokument.\nBericht als PDF",
                ""},
    CommandInfo{ID_EDIT_COPY, "&Kopieren\tStrg+C",
                "Kopiert die Markierung und übernimmt sie in die Zwischenablage.\nKopieren", "Ctrl+C;Ctrl+Ins"},
    CommandInfo{ID_EDIT_CUT, "Aus&schneiden\tStrg+X",
                "Entfernt die Markierung und kopiert sie in die Zwischenablage.\nAusschneiden", "Ctrl+X;Shift+Del"},
    CommandInfo{ID_EDIT_PASTE, "E&infügen\tStrg+V", "Fügt den Inhalt der Zwischenablage ein.\nEinfügen",
                "Ctrl+V;Shift+Ins"},
    CommandInfo{ID_EDIT_UNDO, "&Rückgängig\tStrg+Z", "Macht die letzte Aktion rückgängig.\nRückgängig",
                "Ctrl+Z;Alt+Backspace"},
    CommandInfo{ID_EDIT_REDO, "&Wiederherstellen\tStrg+Y",
                "Stellt die zuletzt rückgängig gemachte Aktion wieder her.\nWiederherstellen", "Ctrl+Y;Ctrl+Shift+Z"},
    CommandInfo{ID_WINDOW_NEW, "Neues &Fenster", "Öffnet ein weiteres Fenster für das aktive Dokument.\nNeues Fenster",
                ""},
    CommandInfo{ID_WINDOW_ARRANGE, "&Symbole anordnen", "Ordnet Symbole am unteren Fensterrand an.\nSymbole anordnen",
                ""},
    CommandInfo{ID_WINDOW_CASCADE, "Über&lappend", "Ordnet Fenster so an, dass sie sich überlappen.\nÜberlappend", ""},
    CommandInfo{ID_WINDOW_NEXT, "Nächstes Fenster", "Wechselt zum nächsten Fenster.\nNächstes Fenster", "Ctrl+Tab"},
    CommandInfo{ID_WINDOW_PREVIOUS, "Vorheriges Fenster", "Wechselt zum vorherigen Fenster.\nVorheriges Fenster",
                "Ctrl+Shift+Tab;Ctrl+Shift+Backtab"},
    CommandInfo{ID_WINDOW_TILE_HORZ, "&Nebeneinander", "Ordnet Fenster als nicht überlappende Teile an.\nNebeneinander",
                ""},
    CommandInfo{ID_APP_ABOUT, "Inf&o...", "Zeigt Programminformationen, Versionsnummer und Copyright an.\nInfo", "F2"},
    CommandInfo{ID_APP_EXIT, "&Beenden",
                "Verlässt die Anwendung und  fragt, ob Dokumente gespeichert werden sollen.\nBeenden", ""},
    CommandInfo{ID_HELP_FINDER, "&Inhalt...", "Zeigt die Hilfethemen an.\nHilfethemen", "F1"},
    CommandInfo{ID_NEXT_PANE, "Nächster Ausschnitt", "Wechselt zum nächsten Fensterausschnitt.\nNächster Ausschnitt",
                "F6"},
    CommandInfo{ID_PREV_PANE, "Vorheriger Ausschnitt",
                "Wechselt zum vorherigen Fensterausschnitt.\nVorheriger Ausschnitt", "Shift+F6"},
    CommandInfo{ID_VIEW_TOOLBAR, "&Symbolleiste", "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus", ""},
    CommandInfo{ID_VIEW_STATUS_BAR, "S&tatusleiste", "Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus",
                ""},
    CommandInfo{ID_TOOL_ZOOM_IN, "&Vergrößern",
                "Werkzeug zum Vergrößern der Ansicht einschalten.\nWerkzeug zum Vergrößern einschalten", ""},
    CommandInfo{ID_TOOL_ZOOM_OUT, "Ver&kleinern",
                "Werkzeug zum Verkleinern der Ansicht einschalten.\nWerkzeug zum Verkleinern einschalten", ""},
    CommandInfo{ID_TOOL_PAN, "Ver&schieben",
                "Werkzeug zum Verschieben der Ansicht einschalten.\nWerkzeug zum Verschieben einschalten", ""},
    CommandInfo{ID_TOOL_ROTATE, "&Drehen",
                "Werkzeug zum Drehen der Ansicht einschalten.\nWerkzeug zum Drehen einschalten", ""},
    CommandInfo{ID_TOOL_TRACKBALL, "&Trackball",
                "Werkzeug zum freien Drehen der Ansicht einschalten.\nTrackball einschalten", ""},
    CommandInfo{ID_VIEW_RESET_ALL, "&Alles zurücksetzen",
                "Bringt die Ansicht in den Ausgangszustand.\nAnsicht zurücksetzen", ""},
    CommandInfo{ID_VIEW_RESET_TRACKBALL, "Trackball &zurücksetzen",
                "Nimmt die Drehung des Trackballs zurück.\nTrackball zurücksetzen", ""},
    CommandInfo{ID_VIEW_XY_PLANE, "&XY-Ebene", "Zeigt die XY-Ebene von oben.\nXY-Ebene", ""},
    CommandInfo{ID_VIEW_XZ_PLANE, "X&Z-Ebene", "Zeigt die XZ-Ebene von vorn.\nXZ-Ebene", ""},
    CommandInfo{ID_VIEW_YZ_PLANE, "&YZ-Ebene", "Zeigt die YZ-Ebene von vorn.\nYZ-Ebene", ""},
    CommandInfo{ID_VIEW_OPTIONS, "3D-&Ansicht...",
                "Hintergrundfarbe und Drehpunkt der 3D-Ansicht einstellen.\n3D-Ansicht", ""},
    CommandInfo{ID_VIEW_VIEWPOINT, "&Blickpunkt...", "Drehpunkt der 3D-Ansicht eingeben.\nBlickpunkt", ""},
    CommandInfo{ID_VIEW_BLIND_SPOTS, "&Erfassungslücken",
                "Zeigt die Teile der Zielflächen, die der Sensor in keinem Erfassungsfeld sieht.\nErfassungslücken "
                "ein/aus",
                ""},
    CommandInfo{ID_VIEW_ALL_WALLS, "Alle &Wände zeigen",
                "Zeigt auch die Wände ganz, die den Blick auf den Boden verdecken.\nAlle Wände zeigen", ""},
    CommandInfo{ID_VIEW_HIDDEN_PARTS, "Verdeckte &Teile zeigen",
                "Zeigt blass, was andere Zielflächen vor dem Sensor verdecken.\nVerdeckte Teile ein/aus", ""},
    CommandInfo{ID_VIEW_COVERAGE, "Ab&deckung...", "Zeigt je Zielfläche den Anteil, den der Sensor sieht.\nAbdeckung",
                ""},
    CommandInfo{ID_VIEW_PLAN, "&Grundriss",
                "Zeigt den Raum des Projekts von oben mit einer Tabelle seiner Maße.\nGrundriss", ""},
    CommandInfo{ID_SAVE_SETTINGS, "&Fenstereinstellungen speichern",
                "Fenstereinstellungen beim Schließen des Dokuments speichern.\nEinstellungen speichern", ""},
    CommandInfo{ID_MODEL_PILOT_A1, "&5 Pilot A1", "Öffnet dieses Dokument.\nÖffnen", ""},
    CommandInfo{ID_MODEL_PILOT_B1, "&6 Pilot B1", "Öffnet dieses Dokument.\nÖffnen", ""},
    CommandInfo{ID_MODEL_PILOT_B2, "&7 Pilot B2", "Öffnet dieses Dokument.\nÖffnen", ""},
    CommandInfo{ID_MODEL_PILOT_C1, "&8 Pilot C1", "Öffnet dieses Dokument.\nÖffnen", ""},
    CommandInfo{ID_VIEW_SHOW_SENSOR, "&Velmar", "Zeigt den Velmar im Fenster an.\nVelmar zeigen", ""},
    CommandInfo{ID_VIEW_WHOLE_SCENE, "&Gesamtansicht", "Zeigt die gesamte Szene im Fenster an.\nSzene anzeigen", ""},
    CommandInfo{ID_HEIGHT_UP, "Montagehöhe erhöhen", "Montagehöhe des Velmars erhöhen.\nMontagehöhe erhöhen", ""},
    CommandInfo{ID_TILT_UP, "Velmar nach oben kippen", "Velmar nach oben kippen.\nVelmar nach oben kippen", ""},
    CommandInfo{ID_TURN_LEFT, "Velmar nach links drehen", "Velmar nach links drehen.\nVelmar nach links drehen", ""},
    CommandInfo{ID_TURN_RIGHT, "Velmar nach rechts drehen", "Velmar nach rechts drehen.\nVelmar nach rechts drehen",
                ""},
    CommandInfo{ID_HEIGHT_DOWN, "Montagehöhe verringern", "Montagehöhe des Velmars verringern.\nMontagehöhe verringern",
                ""},
    CommandInfo{ID_TILT_DOWN, "Velmar nach unten kippen", "Velmar nach unten kippen.\nVelmar nach unten kippen", ""},
    CommandInfo{ID_CONFIGURE_CAD1, "&Erfassungscharakteristik (CAD1)...",
                "VM-CAD: Erfassungscharakteristik berechen.\nErfassungscharakteristik", ""},
    CommandInfo{ID_CONFIGURE_MH1, "Montagehöhe &lesen (MH1)...",
                "Modul zum Lesen der Montagehöhe einstellen.\nMontagehöhe lesen", ""},
    CommandInfo{ID_CONFIGURE_DW1, "Drehwinkel l&esen (DW1)...",
                "Modul zum Lesen des Drehwinkels einstellen.\nDrehwinkel lesen", ""},
    CommandInfo{ID_CONFIGURE_KW1, "Kippwinkel le&sen (KW1)...",
                "Modul zum Lesen des Kippwinkels einstellen.\nKippwinkel lesen", ""},
    CommandInfo{ID_CONFIGURE_MH2, "Montagehöhe &erhöhen (MH2)...",
                "Schritt zum Erhöhen der Montagehöhe einstellen.\nMontagehöhe erhöhen", ""},
    CommandInfo{ID_CONFIGURE_MH3, "Montagehöhe &verringern (MH3)...",
                "Schritt zum Verringern der Montagehöhe einstellen.\nMontagehöhe verringern", ""},
    CommandInfo{ID_CONFIGURE_DW2, "Nach &rechts drehen (DW2)...",
                "Schritt zum Drehen nach rechts einstellen.\nNach rechts drehen", ""},
    CommandInfo{ID_CONFIGURE_DW3, "Nach l&inks drehen (DW3)...",
                "Schritt zum Drehen nach links einstellen.\nNach links drehen", ""},
    CommandInfo{ID_CONFIGURE_KW2, "Nach &unten kippen (KW2)...",
                "Schritt zum Kippen nach unten einstellen.\nNach unten kippen", ""},
    CommandInfo{ID_CONFIGURE_KW3, "Nach &oben kippen (KW3)...",
                "Schritt zum Kippen nach oben einstellen.\nNach oben kippen", ""},
    CommandInfo{ID_OPTIMIZE_PLACEMENT, "O&ptimale Ausrichtung...",
                "Sucht die Einstellung des Velmars, die am meisten Bodenfläche erfasst (projiziert), und bietet "
                "an, ihn dorthin zu bewegen.\nOptimale Ausrichtung",
                ""},
    CommandInfo{ID_SENSOR_ADD, "Sensor &hinzufügen...",
                "Setzt einen weiteren Sensor in den Grundriss des Raums.\nSensor hinzufügen", ""},
    CommandInfo{ID_SENSOR_REMOVE, "Sensor &entfernen",
                "Entfernt den aktuellen Sensor; Sensor 1 gehört zum Raum und bleibt.\nSensor entfernen", ""},
};

// One "Datei" menu for both resources: without a document it lacks the
// commands that act on one.
constexpr std::array kFileMenu = {
    MenuEntry{kSubmenuStart, "&Datei"}, MenuEntry{ID_FILE_NEW, ""},         MenuEntry{ID_FILE_NEW_ROOM, ""},
    MenuEntry{ID_FILE_OPEN, ""},        MenuEntry{ID_FILE_CLOSE, ""},       MenuEntry{ID_FILE_SAVE, ""},
    MenuEntry{ID_FILE_SAVE_AS, ""},     MenuEntry{kSeparator, ""},          MenuEntry{ID_FILE_PRINT_PREVIEW, ""},
    MenuEntry{ID_FILE_PRINT, ""},       MenuEntry{ID_FILE_PRINT_SETUP, ""}, MenuEntry{ID_FILE_REPORT, ""},
    MenuEntry{kSeparator, ""},          MenuEntry{ID_FILE_MRU_FILE1, ""},   MenuEntry{kSeparator, ""},
    MenuEntry{ID_MODEL_PILOT_A1, ""},   MenuEntry{ID_MODEL_PILOT_B1, ""},   MenuEntry{ID_MODEL_PILOT_B2, ""},
    MenuEntry{ID_MODEL_PILOT_C1, ""},   MenuEntry{kSeparator, ""},          MenuEntry{ID_APP_EXIT, ""},
    MenuEntry{kSubmenuEnd, ""},
};

constexpr std::array kDocumentFileCommands = {ID_FILE_CLOSE,         ID_FILE_SAVE,  ID_FILE_SAVE_AS,
                                              ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT, ID_FILE_REPORT};

constexpr auto kFileMenuWithoutDocument = [] {
  std::array<MenuEntry, kFileMenu.size() - kDocumentFileCommands.size()> menu{};
  std::ranges::copy_if(kFileMenu, menu.begin(), [](const MenuEntry& entry) {
    return std::ranges::find(kDocumentFileCommands, entry.id) == kDocumentFileCommands.end();
  });
  return menu;
}();

template <size_t First, size_t Second>
constexpr std::array<MenuEntry, First + Second> Join(const std::array<MenuEntry, First>& first,
                                                     const std::array<MenuEntry, Second>& second)
{
  std::array<MenuEntry, First + Second> joined{};
  std::ranges::copy(second, std::ranges::copy(first, joined.begin()).out);
  return joined;
}

constexpr std::array kMenusAfterFileWithoutDocument = {
    MenuEntry{kSubmenuStart, "&Ansicht"}, MenuEntry{ID_VIEW_TOOLBAR, ""},     MenuEntry{ID_VIEW_STATUS_BAR, ""},
    MenuEntry{kSubmenuEnd, ""},           MenuEntry{kSubmenuStart, "&Hilfe"}, MenuEntry{ID_HELP_FINDER, ""},
    MenuEntry{ID_APP_ABOUT, ""},          MenuEntry{kSubmenuEnd, ""},
};

// The views and tools the toolbar does not offer, and the two dialogs of
// the 3D view, sit in a submenu of "Ansicht".
constexpr std::array kMenusAfterFile = {
    MenuEntry{kSubmenuStart, "&Bearbeiten"},
    MenuEntry{ID_EDIT_UNDO, ""},
    MenuEntry{ID_EDIT_REDO, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_EDIT_COPY, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_SENSOR_ADD, ""},
    MenuEntry{ID_SENSOR_REMOVE, ""},
    MenuEntry{kSubmenuEnd, ""},
    MenuEntry{kSubmenuStart, "&Ansicht"},
    MenuEntry{ID_VIEW_TOOLBAR, ""},
    MenuEntry{ID_VIEW_STATUS_BAR, "Status&leiste"},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_VIEW_SHOW_SENSOR, ""},
    MenuEntry{ID_VIEW_WHOLE_SCENE, ""},
    MenuEntry{ID_VIEW_RESET_ALL, ""},
    MenuEntry{kSubmenuStart, "&Weitere Ansichten"},
    MenuEntry{ID_VIEW_RESET_TRACKBALL, ""},
    MenuEntry{ID_VIEW_XY_PLANE, ""},
    MenuEntry{ID_VIEW_XZ_PLANE, ""},
    MenuEntry{ID_VIEW_YZ_PLANE, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_TOOL_TRACKBALL, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_VIEW_VIEWPOINT, ""},
    MenuEntry{ID_VIEW_OPTIONS, ""},
    MenuEntry{kSubmenuEnd, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_VIEW_BLIND_SPOTS, ""},
    MenuEntry{ID_VIEW_ALL_WALLS, ""},
    MenuEntry{ID_VIEW_HIDDEN_PARTS, ""},
    MenuEntry{ID_VIEW_COVERAGE, ""},
    MenuEntry{ID_VIEW_PLAN, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_SAVE_SETTINGS, ""},
    MenuEntry{kSubmenuEnd, ""},
    MenuEntry{kSubmenuStart, "Be&rechnung"},
    MenuEntry{ID_CONFIGURE_CAD1, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_CONFIGURE_MH1, ""},
    MenuEntry{ID_CONFIGURE_DW1, ""},
    MenuEntry{ID_CONFIGURE_KW1, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_CONFIGURE_MH2, ""},
    MenuEntry{ID_CONFIGURE_MH3, ""},
    MenuEntry{ID_CONFIGURE_DW2, ""},
    MenuEntry{ID_CONFIGURE_DW3, ""},
    MenuEntry{ID_CONFIGURE_KW2, ""},
    MenuEntry{ID_CONFIGURE_KW3, ""},
    MenuEntry{kSeparator, ""},
    MenuEntry{ID_OPTIMIZE_PLACEMENT, ""},
    MenuEntry{kSubmenuEnd, ""},
    MenuEntry{kSubmenuStart, "&Fenster"},
    MenuEntry{ID_WINDOW_NEW, ""},
    MenuEntry{ID_WINDOW_CASCADE, ""},
    MenuEntry{ID_WINDOW_TILE_HORZ, ""},
    MenuEntry{ID_WINDOW_ARRANGE, ""},
    MenuEntry{ID_WINDOW_LIST, ""},
    MenuEntry{kSubmenuEnd, ""},
    MenuEntry{kSubmenuStart, "&Hilfe"},
    MenuEntry{ID_HELP_FINDER, ""},
    MenuEntry{ID_APP_ABOUT, ""},
    MenuEntry{kSubmenuEnd, ""},
};

constexpr std::array kMenu128 = Join(kFileMenuWithoutDocument, kMenusAfterFileWithoutDocument);
constexpr std::array kMenu129 = Join(kFileMenu, kMenusAfterFile);

constexpr int kToolBar128[] = {ID_FILE_NEW, ID_FILE_OPEN, kSeparator, ID_APP_ABOUT, ID_HELP_FINDER};

constexpr int kToolBar129[] = {ID_FILE_NEW,         ID_FILE_OPEN,        ID_FILE_SAVE,      ID_FILE_PRINT_PREVIEW,
                               ID_FILE_PRINT,       kSeparator,          ID_APP_ABOUT,      ID_HELP_FINDER,
                               kSeparator,          ID_EDIT_COPY,        kSeparator,        ID_TOOL_ZOOM_IN,
                               ID_TOOL_ZOOM_OUT,    ID_TOOL_PAN,         ID_TOOL_ROTATE,    kSeparator,
                               ID_VIEW_SHOW_SENSOR, ID_VIEW_WHOLE_SCENE, ID_VIEW_RESET_ALL, ID_VIEW_PLAN,
                               kSeparator,          ID_HEIGHT_DOWN,      ID_HEIGHT_UP,      ID_TILT_UP,
                               ID_TILT_DOWN,        ID_TURN_LEFT,        ID_TURN_RIGHT};

constexpr int kSensorRepeatCommands[] = {ID_HEIGHT_DOWN, ID_HEIGHT_UP, ID_TILT_DOWN,
                                         ID_TILT_UP,     ID_TURN_LEFT, ID_TURN_RIGHT};

} // namespace

std::span<const CommandInfo> AllCommands()
{
  return kCommands;
}

const CommandInfo* FindCommand(int id)
{
  auto found = std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
}

std::string_view CommandPrompt(const CommandInfo& info)
{
  return info.prompt.substr(0, info.prompt.find('\n'));
}

std::string_view CommandTooltip(const CommandInfo& info)
{
  size_t newline = info.prompt.find('\n');
  return newline == std::string_view::npos ? std::string_view() : info.prompt.substr(newline + 1);
}

std::span<const MenuEntry> MenuResource(int resourceId)
{
  if (resourceId == IDR_MAINFRAME)
    return kMenu128;
  if (resourceId == IDR_KMVTYPE)
    return kMenu129;
  return {};
}

std::span<const int> ToolBarResource(int resourceId)
{
  if (resourceId == IDR_MAINFRAME)
    return kToolBar128;
  if (resourceId == IDR_KMVTYPE)
    return kToolBar129;
  return {};
}

std::span<const int> SensorRepeatCommands()
{
  return kSensorRepeatCommands;
}
