#pragma once

#include <QWidget>

namespace reminder {
class Form;
}  // namespace reminder

namespace reminder::view {

// The client area of a window: its background, one widget per control in the keyboard order
// of the definition, and its lines.
class ClientArea final : public QWidget {
 public:
  ClientArea(Form& form, QWidget* parent);
};

}  // namespace reminder::view
