#include "files/environmentfile.h"
