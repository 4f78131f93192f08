#include "frontend/qt/view/qt_view.h"

#include <QApplication>

#include "frontend/qt/view/form_window.h"
#include "frontend/qt/view/wayland_display.h"
#include "model/controls/form.h"

namespace reminder::view {

QtView::QtView() = default;

QtView::~QtView() {
  // Owned windows go before the main window that owns them.
  while (!windows_.empty()) windows_.pop_back();
}

void QtView::render(Form& form) {
  // The first window with its own task-bar entry is the main window; it owns the others.
  QWidget* owner = nullptr;
  for (const auto& window : windows_) {
    if (window->form().showInTaskbar) {
      owner = window.get();
      break;
    }
  }
  windows_.push_back(std::make_unique<FormWindow>(form, owner, wayland::programDrawsTitleBars()));
}

FormWindow* QtView::windowOf(const Form& form) const {
  for (const auto& window : windows_) {
    if (&window->form() == &form) return window.get();
  }
  return nullptr;
}

QWidget* QtView::dialogParent(const Form* owner) const {
  if (FormWindow* window = owner != nullptr ? windowOf(*owner) : nullptr) {
    if (window->isVisible()) return window;
  }
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (const auto& window : windows_) {
    if (window->form().showInTaskbar) return window.get();
  }
  return nullptr;
}

}  // namespace reminder::view
