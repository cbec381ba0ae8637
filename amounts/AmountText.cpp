#include "amounts/AmountText.h"
