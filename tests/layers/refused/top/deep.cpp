#include "low/up.h"
#include <high/a.h>
#include "low/ui/panel.h"
