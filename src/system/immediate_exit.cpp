#include "system/immediate_exit.h"

#include <cstdio>
#include <cstdlib>

namespace reminder {

void ImmediateExit::endNow() {
  std::fflush(nullptr);
  std::_Exit(EXIT_SUCCESS);
}

}  // namespace reminder
