#include "frontend/qt/freedesktop/canberra_sound.h"

#include <canberra.h>

namespace reminder {

CanberraSound::CanberraSound(std::string applicationName, std::string iconName)
    : applicationName_(std::move(applicationName)), iconName_(std::move(iconName)) {}

CanberraSound::~CanberraSound() {
  if (context_ != nullptr) ca_context_destroy(context_);
}

void CanberraSound::play(const char* eventId, const char* description) {
  if (context_ == nullptr) {
    if (ca_context_create(&context_) != CA_SUCCESS) {
      context_ = nullptr;
      return;
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, applicationName_.c_str(),
                            CA_PROP_APPLICATION_ICON_NAME, iconName_.c_str(), nullptr);
  }
  // A missing sound server, device or theme is no fault of the reminder: the error is dropped.
  ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION, description,
                  nullptr);
}

}  // namespace reminder
