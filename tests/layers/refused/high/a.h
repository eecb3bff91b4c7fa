#include "low/up.h"
#include <vector>
