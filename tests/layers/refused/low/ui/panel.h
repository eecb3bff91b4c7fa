#include "low/up.h"
