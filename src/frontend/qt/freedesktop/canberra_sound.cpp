#include "frontend/qt/freedesktop/canberra_sound.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace reminder {

// The context and the sound waiting to be played; the thread makes the context at its first
// sound and keeps it for the sounds playing.
struct CanberraSound::Player {
  struct Sound {
    std::string eventId;
    std::string description;
  };

  std::string applicationName;
  std::string iconName;
  std::mutex mutex;
  std::condition_variable wake;
  std::optional<Sound> next;  // while a sound server hangs, the latest request waits alone
  bool ending = false;
  bool started = false;

  void run() {
    ca_context* context = nullptr;
    for (;;) {
      Sound sound;
      {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return ending || next; });
        if (ending) break;
        sound = std::move(*next);
        next.reset();
      }
      if (context == nullptr) context = makeContext();
      // A missing sound server, device or theme is no fault of the reminder: the error is
      // dropped.
      if (context != nullptr) {
        ca_context_play(context, 0, CA_PROP_EVENT_ID, sound.eventId.c_str(),
                        CA_PROP_EVENT_DESCRIPTION, sound.description.c_str(), nullptr);
      }
    }
    if (context != nullptr) ca_context_destroy(context);
  }

  [[nodiscard]] ca_context* makeContext() const {
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return nullptr;
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, applicationName.c_str(),
                            CA_PROP_APPLICATION_ICON_NAME, iconName.c_str(), nullptr);
    return context;
  }
};

CanberraSound::CanberraSound(std::string applicationName, std::string iconName)
    : player_(std::make_shared<Player>()) {
  player_->applicationName = std::move(applicationName);
  player_->iconName = std::move(iconName);
}

CanberraSound::~CanberraSound() {
  const std::lock_guard lock(player_->mutex);
  player_->ending = true;
  player_->wake.notify_one();
  // The thread ends after the sound it may be waiting on; the program does not wait for a
  // sound server that hangs on its way out.
}

void CanberraSound::play(std::string eventId, std::string description) {
  const std::lock_guard lock(player_->mutex);
  player_->next = Player::Sound{std::move(eventId), std::move(description)};
  // The thread starts at the first sound: a program that never sounds has none.
  if (!player_->started) {
    player_->started = true;
    std::thread([player = player_] { player->run(); }).detach();
  }
  player_->wake.notify_one();
}

}  // namespace reminder
