#pragma once

#include <functional>

#include "platform/dialogs.h"

class QWidget;

namespace reminder {

// Modal QMessageBoxes without an icon, over the window that `parent` names.
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
  MessageAnswer show(const Message& message) override;

 private:
  std::function<QWidget*()> parent_;
};

}  // namespace reminder
