#include "files/fonts.h"
