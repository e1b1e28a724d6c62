#include "ExtChildFrame.h"
