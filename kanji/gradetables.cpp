#include "kanji/gradetables.h"
