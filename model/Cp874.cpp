#include "model/Cp874.h"
