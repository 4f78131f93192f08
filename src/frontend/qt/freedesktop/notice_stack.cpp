#include "frontend/qt/freedesktop/notice_stack.h"

namespace reminder {

std::size_t NoticeStack::posted() {
  notices_.emplace(++tickets_, Notice{});
  up_.push_back(tickets_);
  return tickets_;
}

std::optional<unsigned> NoticeStack::answered(std::size_t ticket, std::optional<unsigned> number) {
  const auto found = notices_.find(ticket);
  if (found == notices_.end()) return std::nullopt;
  if (found->second.withdrawn) {
    notices_.erase(found);
    return number;
  }
  found->second = {true, number, false};
  return std::nullopt;
}

std::optional<unsigned> NoticeStack::withdrawn() {
  if (up_.empty()) return std::nullopt;
  const auto found = notices_.find(up_.back());
  up_.pop_back();
  if (!found->second.answered) {
    found->second.withdrawn = true;
    return std::nullopt;
  }
  const std::optional<unsigned> number = found->second.number;
  notices_.erase(found);
  return number;
}

}  // namespace reminder
