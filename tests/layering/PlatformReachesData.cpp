// Must not compile: the toolkit lies below the data layer and cannot see it.
#include "data/ClimateDb.h"
