#include "link/link.h"
#include "state/shared_state.h"
