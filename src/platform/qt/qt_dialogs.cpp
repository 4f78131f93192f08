#include "platform/qt/qt_dialogs.h"

#include <QMessageBox>

namespace reminder {

MessageAnswer QtDialogs::show(const Message& message) {
  const bool question = message.buttons == MessageButtons::YesNo;
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(message.title),
                  QString::fromStdString(message.prompt),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  parent_ ? parent_() : nullptr);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  if (!question) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace reminder
