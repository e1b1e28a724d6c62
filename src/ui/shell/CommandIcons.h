#pragma once

#include <QIcon>

// The toolbar picture of a command; a null icon for commands without one.
QIcon CommandIcon(int id);
