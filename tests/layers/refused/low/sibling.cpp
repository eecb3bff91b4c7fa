#include "ui/panel.h"
