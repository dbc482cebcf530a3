#include "dictionary/compounddictionary.h"
