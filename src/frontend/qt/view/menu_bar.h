#pragma once

#include <vector>

class QMenuBar;

namespace reminder {
class MenuItem;
}

namespace reminder::view {

// Builds the menu bar from the window's menu items and keeps captions, check marks and
// visibility in step with them. Items without sub-items act at once, also on the bar itself.
void buildMenuBar(QMenuBar& bar, const std::vector<MenuItem*>& items);

}  // namespace reminder::view
