#include "FrameSettings.h"
