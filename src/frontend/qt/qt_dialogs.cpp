#include "frontend/qt/qt_dialogs.h"

#include <QMessageBox>

#include "model/controls/form.h"

namespace reminder {

MessageAnswer QtDialogs::show(const Message& message) {
  const bool question = message.buttons == MessageButtons::YesNo;
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(message.title),
                  QString::fromStdString(message.prompt),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  parent_ ? parent_(message.owner) : nullptr);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  // A box belonging to a window that stays on top stands above it.
  if (message.owner != nullptr && message.owner->topMost) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  const int pressed = box.exec();
  // The keyboard goes back to the window the box belongs to, not to whatever the desktop had
  // before: a full-screen program given the focus again would cover the Time Up window.
  if (QWidget* owner = box.parentWidget();
      message.owner != nullptr && owner != nullptr && owner->isVisible()) {
    owner->raise();
    owner->activateWindow();
  }
  if (!question) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace reminder
