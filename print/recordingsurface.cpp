#include "print/recordingsurface.h"
