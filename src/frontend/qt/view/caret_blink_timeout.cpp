#include "frontend/qt/view/caret_blink_timeout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace reminder::view {

namespace {

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

}  // namespace

CaretBlinkTimeout::CaretBlinkTimeout(std::chrono::milliseconds timeout)
    : desktopFlashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
  timer_.setSingleShot(true);
  timer_.setInterval(timeout);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { rest(); });
  QCoreApplication::instance()->installEventFilter(this);
  timer_.start();
}

CaretBlinkTimeout::~CaretBlinkTimeout() {
  wake();
}

bool CaretBlinkTimeout::eventFilter(QObject* watched, QEvent* event) {
  if (isUserInput(event->type())) {
    wake();
    timer_.start();
  }
  return QObject::eventFilter(watched, event);
}

// Text fields follow the flash time as it changes: zero leaves their caret shown, still.
void CaretBlinkTimeout::rest() {
  QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void CaretBlinkTimeout::wake() {
  QStyleHints& hints = *QGuiApplication::styleHints();
  if (hints.cursorFlashTime() != desktopFlashTime_) hints.setCursorFlashTime(desktopFlashTime_);
}

}  // namespace reminder::view
