#include "print/qtprintsurface.h"
