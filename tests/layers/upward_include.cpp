// A behaviour module must not reach the start-up layer above it.
#include "behaviour/app/program.h"
