#include "page/PageFonts.h"
