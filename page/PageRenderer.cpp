#include "page/PageRenderer.h"
