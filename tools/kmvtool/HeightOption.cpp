#include "HeightOption.h"

#include "HeightChange.h"
#include "SourceFile.h"

#include <cmath>
#include <cstdlib>

double ParseDetectionHeight(const std::string& text)
{
  char* end = nullptr;
  double height = std::strtod(text.c_str(), &end);
  return !text.empty() && end && *end == '\0' ? height : NAN;
}

bool CheckDetectionHeight(CProject& project, double height)
{
  std::optional<std::string> fault = DetectionHeightFault(project, height);
  if (fault)
    PrintError(*fault);
  return !fault;
}
