// Prints the clock text of 21:05:03 as the system's regional settings write it.
#include <iostream>

#include "frontend/qt/qt_regional.h"

int main() {
  std::cout << reminder::QtRegional().timeText({21, 5, 3}) << '\n';
}
