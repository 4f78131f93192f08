#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

namespace reminder::test {

// Message boxes answered by the test. Every box shown is recorded. A box with OK only is
// answered OK; a question takes the next scripted answer and fails the test if none is left.
// A scripted reply may act while its box is open (advance time, look at the windows).
class ScriptedDialogs final : public Dialogs {
 public:
  using Reply = std::function<MessageAnswer(const Message&)>;

  MessageAnswer show(const Message& message) override;

  // Answers the next question.
  void answer(MessageAnswer answer);
  // Runs `reply` while the next box (of any kind) is open and answers with its result.
  void whileOpen(Reply reply);

  [[nodiscard]] const std::vector<Message>& shown() const { return shown_; }
  [[nodiscard]] const Message& last() const;
  [[nodiscard]] std::size_t pending() const { return replies_.size(); }
  void clear() { shown_.clear(); }

 private:
  std::deque<Reply> replies_;
  std::vector<Message> shown_;
};

}  // namespace reminder::test
