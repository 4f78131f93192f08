#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

namespace reminder {

// The notices posted to the desktop and not yet taken off, by the numbers the notification
// service gives them. Each notice is withdrawn when its own box is answered; the boxes are
// modal, so an inner one closes first, and the newest notice still up is the one withdrawn.
// The service's number comes after the post, maybe after the withdrawal too.
class NoticeStack {
 public:
  // A notice was posted: its ticket, for the service's answer.
  std::size_t posted();
  // The service answered the notice of `ticket` with its number, or refused it: the number
  // to close at once, when the notice was withdrawn meanwhile.
  std::optional<unsigned> answered(std::size_t ticket, std::optional<unsigned> number);
  // Takes off the newest notice still up: its number to close, once the service gave it.
  std::optional<unsigned> withdrawn();

 private:
  struct Notice {
    bool answered = false;
    std::optional<unsigned> number;
    bool withdrawn = false;
  };
  std::map<std::size_t, Notice> notices_;  // posted, and not yet both answered and withdrawn
  std::vector<std::size_t> up_;            // tickets of those not withdrawn, oldest first
  std::size_t tickets_ = 0;
};

}  // namespace reminder
