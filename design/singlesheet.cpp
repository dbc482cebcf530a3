#include "design/singlesheet.h"
