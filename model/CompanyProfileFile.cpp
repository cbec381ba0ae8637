#include "model/CompanyProfileFile.h"
