#include "print/sheetlayouts.h"
