#include "print/verticalglyphs.h"
