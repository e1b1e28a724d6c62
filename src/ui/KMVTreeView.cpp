#include "KMVTreeView.h"
