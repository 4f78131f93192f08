#pragma once

#include <QWidget>

namespace reminder::view {

// The title bar a window draws itself where the desktop leaves that to the program (a
// Wayland compositor that does not decorate windows): the icon, the caption and a close
// button, and neither a minimise nor a maximise button, which no window of the program has.
// Dragging it moves the window; the close button asks the window to close.
class TitleBar final : public QWidget {
 public:
  // A tool window's title bar is a small one.
  TitleBar(QWidget& window, bool small);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget& window_;
};

}  // namespace reminder::view
