#pragma once

#include <string>

// Caption of every message the user sees.
inline constexpr const char* kApplicationName = "Velmar CAD-Planungssoftware";

// Where the core reports what the user must see. The program shows a message
// box, kmvtool prints a line on stderr, tests record the calls.
class CMessageSink {
public:
  virtual ~CMessageSink() = default;
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
};

// The core's string table (Windows-1252 texts); empty for an unknown id.
std::string LoadString(int id);

enum StringId {
  IDS_CHANGE = 40005,
  IDS_INSERT = 40006,
  IDS_NAME_CLASH = 40007,
  IDS_SELECT_ENTRY = 40010,
  IDS_MODEL_MISSING = 40014,
  IDS_CAD1_ERROR = 40015,
  IDS_PARAMETER_ERROR = 40016,
  IDS_CAD2_ERROR = 40017,
  IDS_CAD3_ERROR = 40019,
  // Shown before the start-up picture on a display of 256 colours.
  IDS_LOW_COLOUR = 40020,
  // printf format of the print header: height, tilt and turn.
  IDS_SENSOR_HEADER = 40021,
};

// Fixed text in front of the path or library name that could not be loaded.
inline constexpr const char* kInsertErrorText = "Fehler beim Einf\xFCgen von: ";

// Fixed texts of the document and its window settings.
inline constexpr const char* kOpenDocumentError = "Fehler beim \xD6"
                                                  "ffnen des Dokuments.";
inline constexpr const char* kSettingsLoadError = "Fehler beim Laden der Einstellungen!";
inline constexpr const char* kSettingsSaveError = "Fehler beim Speichern der Einstellungen!";
// Follows "Formatfehler in Zeile N von PATH.".
inline constexpr const char* kIncompleteReadText =
    "Das Projekt wurde nur bis dorthin gelesen. Speichern Sie es mit \"Speichern unter\" unter einem neuen Namen, "
    "damit die urspr\xFCngliche Datei erhalten bleibt.";
inline constexpr const char* kSaveRefusedText =
    "Das Projekt wurde wegen eines Formatfehlers nicht vollst\xE4ndig gelesen und wird nicht \xFC"
    "ber die urspr\xFCngliche Datei gespeichert. Bitte \"Speichern unter\" verwenden.";
inline constexpr const char* kTextTooLargeText = "Das Projekt ist zu gro\xDF zum Speichern.";
