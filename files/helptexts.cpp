#include "files/helptexts.h"
