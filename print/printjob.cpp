#include "print/printjob.h"
