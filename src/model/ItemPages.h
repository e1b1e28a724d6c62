#pragma once

#include <string>

// Contents of the page that shows an entry's name, description and flags.
struct CItemPage {
  std::string name;
  std::string description;
  bool active = true;
  bool visible = true;
  bool flagsEnabled = false;
};

// Contents of the page of a root: name and description only.
struct CInfoPage {
  std::string name;
  std::string description;
};
