#include "page/Layout.h"
