#include "ProjectTextSample.h"

std::string MakeProjectText(int megabytes)
{
  const size_t target = static_cast<size_t>(megabytes) << 20;
  std::string text = "begin-sim-data Projekt  _ 1 1 0 ";
  for (int room = 0; text.size() < target; ++room) {
    std::string name = "Raum_" + std::to_string(room);
    text += "\nbegin-system " + name +
            " Projekt Besprechungsraum 1 1 32 1.250000000000000e+000 "
            "-2.500000000000000e+000 3.000000000000000e+000 0.000000000000000e+000 0.000000000000000e+000 "
            "9.000000000000000e+001 ";
    for (int i = 0; i < 20; ++i) {
      std::string index = std::to_string(i);
      text += "\ndouble Wert_" + index + " " + name + " H\xF6he_" + index +
              " 1 1 2.500000000000000e+000 1.500000000000000e+000 4.000000000000000e+000 ";
      text += "\ndoublelink Verkn\xFCpfung_" + index + " " + name +
              " _ 1 1 2.500000000000000e+000 "
              "1.500000000000000e+000 4.000000000000000e+000 Projekt." +
              name + ".@3 ";
      text += "\nenable Schalter_" + index + " " + name + " _ 1 1 1 ";
    }
    text += "\nend-system";
  }
  text += "\nend-sim-data";
  return text;
}
