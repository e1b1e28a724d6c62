#include "Messages.h"

#include <array>
#include <utility>

std::string LoadString(int id)
{
  static constexpr std::array<std::pair<int, const char*>, 11> kTable{{
      {IDS_CHANGE, "\xC4ndern"},
      {IDS_INSERT, "Einf\xFCgen"},
      {IDS_NAME_CLASH, "Der angegebene Name verursacht einen Fehler!"},
      // The quotation marks and the two blanks after "diesen" belong to the text.
      {IDS_SELECT_ENTRY, "\"Zum \xC4ndern der Eigenschaften eines Projekteintrags\n"
                         "diesen  mit der linken Maustaste markieren!\""},
      {IDS_MODEL_MISSING, "Daten sind in der Bibliothek nicht verf\xFCgbar."},
      {IDS_CAD1_ERROR, "Fehler im Modul CAD1"},
      {IDS_PARAMETER_ERROR, "Parameterfehler"},
      {IDS_CAD2_ERROR, "Fehler im Modul CAD2"},
      {IDS_CAD3_ERROR, "Fehler im Modul CAD3"},
      {IDS_LOW_COLOUR, "Der aktuelle Grafikmodus unterst\xFCtzt nur 256 Farben.\n"
                       "F\xFCr eine optimale Darstellung nutzen Sie den Grafikmodus\n"
                       "High Color (16 Bit) oder True Color (24 Bit oder 32 Bit)."},
      {IDS_SENSOR_HEADER, "Montageh\xF6he: %.2f m, Kippwinkel: %.1f\xB0, Drehwinkel: %.1f\xB0"},
  }};
  for (const auto& [key, text] : kTable)
    if (key == id)
      return text;
  return {};
}
