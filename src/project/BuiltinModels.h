#pragma once

#include <array>
#include <string_view>

// A built-in sensor document: the title that opens it (the model name after
// an asterisk) and its model code.
struct BuiltinModel {
  const char* title;
  int code;
};

inline constexpr std::array<BuiltinModel, 4> kBuiltinModels{{
    {"*Pilot A1", 10},
    {"*Pilot B1", 1},
    {"*Pilot B2", 4},
    {"*Pilot C1", 7},
}};

// Document names that start with it name built-in models, not files.
constexpr char kBuiltinModelMark = '*';

inline bool IsBuiltinModelName(std::string_view name)
{
  return !name.empty() && name.front() == kBuiltinModelMark;
}

// The model code of a title such as "*Pilot B1"; 0 when no model bears it.
int FindBuiltinModelCode(std::string_view title);
