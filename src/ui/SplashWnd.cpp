#include "SplashWnd.h"
