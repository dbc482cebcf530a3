#include "print/textqueue.h"
