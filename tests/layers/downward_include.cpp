// A behaviour module may use the module below it, the windows and the controls.
#include "behaviour/options/auto_shutdown.h"
#include "model/controls/form.h"
#include "model/forms/form1.h"
