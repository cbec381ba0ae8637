#include "amounts/UbahtStang.h"
