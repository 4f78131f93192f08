// A behaviour module may use the module below it, the windows and the controls.
#include "controls/form.h"
#include "forms/form1.h"
#include "options/auto_shutdown.h"
