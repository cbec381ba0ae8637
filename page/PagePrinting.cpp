#include "page/PagePrinting.h"
