#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace reminder::test {

MessageAnswer ScriptedDialogs::show(const Message& message) {
  shown_.push_back(message);
  if (!replies_.empty()) {
    Reply reply = std::move(replies_.front());
    replies_.pop_front();
    return reply(message);
  }
  if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  ADD_FAILURE() << "unexpected question: " << message.prompt;
  return MessageAnswer::No;
}

void ScriptedDialogs::answer(MessageAnswer answer) {
  replies_.emplace_back([answer](const Message&) { return answer; });
}

void ScriptedDialogs::whileOpen(Reply reply) {
  replies_.push_back(std::move(reply));
}

const Message& ScriptedDialogs::last() const {
  if (shown_.empty()) throw std::logic_error("no message box was shown");
  return shown_.back();
}

}  // namespace reminder::test
