#pragma once

#include <QWidget>
#include <vector>

namespace reminder {
class Form;
class Line;
}  // namespace reminder

namespace reminder::view {

// The client area of a window: its background, its lines and one widget per control, in
// the keyboard order of the definition.
class ClientArea final : public QWidget {
 public:
  ClientArea(Form& form, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Line*> lines_;
};

}  // namespace reminder::view
