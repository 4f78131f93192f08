#pragma once

#include <QObject>

#include "platform/process_control.h"

namespace reminder {

// The program ends with the desktop session and never holds it up: the session manager's
// request to quit ends it at once, without the question that closing the main window asks,
// and it asks the session not to start it again next time, having nothing to restore.
class EndWithTheSession final : public QObject {
 public:
  explicit EndWithTheSession(ProcessControl& process);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ProcessControl& process_;
};

}  // namespace reminder
