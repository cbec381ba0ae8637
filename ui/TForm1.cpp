#include "ui/TForm1.h"
