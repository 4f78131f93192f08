// Behaviour never sees a front end.
#include "platform/qt/view/qt_view.h"
