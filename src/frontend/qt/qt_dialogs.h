#pragma once

#include <functional>

#include "platform/dialogs.h"

class QWidget;

namespace reminder {

// Modal QMessageBoxes without an icon, over the window that `parent` names for the box's
// owner.
class QtDialogs final : public Dialogs {
 public:
  using Parent = std::function<QWidget*(const Form* owner)>;
  explicit QtDialogs(Parent parent) : parent_(std::move(parent)) {}
  MessageAnswer show(const Message& message) override;

 private:
  Parent parent_;
};

}  // namespace reminder
