#include "kanji/kanjisearch.h"
