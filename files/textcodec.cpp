#include "files/textcodec.h"
