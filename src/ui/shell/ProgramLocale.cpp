#include "ProgramLocale.h"

#include <clocale>

void SetProgramLocale()
{
  std::setlocale(LC_ALL, "C");
  if (!std::setlocale(LC_TIME, "de_DE.UTF-8"))
    std::setlocale(LC_TIME, "de_DE");
}
