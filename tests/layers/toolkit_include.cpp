// Behaviour never sees a front end.
#include "frontend/qt/view/qt_view.h"
