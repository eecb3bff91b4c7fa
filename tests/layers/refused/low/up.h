#include "high/a.h"
