#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

namespace reminder::view {

// Stops the text caret blinking once the user has left the program alone for a while, as the
// desktops themselves do: a caret blinking forever repaints its field twice a second and keeps
// an idle program busy. The caret stays shown; the next key, click or wheel turn brings the
// blinking back.
class CaretBlinkTimeout final : public QObject {
 public:
  static constexpr std::chrono::milliseconds kDefaultTimeout{5000};

  // Watches the whole application; create it after the QApplication.
  explicit CaretBlinkTimeout(std::chrono::milliseconds timeout = kDefaultTimeout);
  ~CaretBlinkTimeout() override;
  CaretBlinkTimeout(const CaretBlinkTimeout&) = delete;
  CaretBlinkTimeout& operator=(const CaretBlinkTimeout&) = delete;
  CaretBlinkTimeout(CaretBlinkTimeout&&) = delete;
  CaretBlinkTimeout& operator=(CaretBlinkTimeout&&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rest();
  void wake();

  int desktopFlashTime_;
  QTimer timer_;
};

}  // namespace reminder::view
