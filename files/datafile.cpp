#include "files/datafile.h"
