#include "ExtTreeView.h"
