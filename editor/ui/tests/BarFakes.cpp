#include "BarFakes.h"

