#include "SiteFile.h"
