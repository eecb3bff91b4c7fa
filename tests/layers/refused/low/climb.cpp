#include "../high/a.h"
