#include "BuiltinModels.h"

int FindBuiltinModelCode(std::string_view title)
{
  for (const BuiltinModel& model : kBuiltinModels)
    if (title == model.title)
      return model.code;
  return 0;
}
