// The options are below the countdown, so they must not see it.
#include "behaviour/countdown/countdown.h"
