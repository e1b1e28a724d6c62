#include "ExtToolBar.h"
