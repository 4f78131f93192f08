#include "support/virtual_time.h"

#include <algorithm>
#include <tuple>

namespace reminder::test {

namespace {

constexpr std::int64_t kDay = 24LL * 60 * 60 * 1000;

std::int64_t toMs(const TimeOfDay& t) {
  return ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

}  // namespace

struct VirtualTime::Entry {
  std::function<void()> tick;
  bool started = false;
  bool ticking = false;
  std::int64_t due = 0;
  std::int64_t interval = 0;
  bool onClock = false;
  std::uint64_t sequence = 0;
};

namespace {

class VirtualTimer final : public PlatformTimer {
 public:
  VirtualTimer(std::shared_ptr<VirtualTime::Entry> entry, const VirtualTime& time,
               std::uint64_t& sequence)
      : entry_(std::move(entry)), time_(time), sequence_(sequence) {}
  ~VirtualTimer() override { entry_->started = false; }
  VirtualTimer(const VirtualTimer&) = delete;
  VirtualTimer& operator=(const VirtualTimer&) = delete;
  VirtualTimer(VirtualTimer&&) = delete;
  VirtualTimer& operator=(VirtualTimer&&) = delete;

  void start(int intervalMs) override { restart(intervalMs, false); }
  void startOnClock(int intervalMs) override { restart(intervalMs, true); }
  void stop() override { entry_->started = false; }

 private:
  void restart(int intervalMs, bool onClock) {
    entry_->started = true;
    entry_->interval = intervalMs;
    entry_->onClock = onClock;
    entry_->due = time_.elapsed() + (onClock ? time_.untilClockMultiple(intervalMs) : intervalMs);
    entry_->sequence = ++sequence_;
  }

  std::shared_ptr<VirtualTime::Entry> entry_;
  const VirtualTime& time_;
  std::uint64_t& sequence_;
};

}  // namespace

VirtualTime::VirtualTime(TimeOfDay start) : clockOffset_(toMs(start)) {}

VirtualTime::~VirtualTime() = default;

std::unique_ptr<PlatformTimer> VirtualTime::create(std::function<void()> tick) {
  auto entry = std::make_shared<Entry>();
  entry->tick = std::move(tick);
  entries_.push_back(entry);
  return std::make_unique<VirtualTimer>(entry, *this, startSequence_);
}

std::int64_t VirtualTime::clockMs() const {
  return ((now_ + clockOffset_) % kDay + kDay) % kDay;
}

std::int64_t VirtualTime::untilClockMultiple(std::int64_t interval) const {
  return interval - clockMs() % interval;
}

TimeOfDay VirtualTime::now() const {
  const std::int64_t ms = clockMs();
  return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
          static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

void VirtualTime::suspend(std::int64_t ms) {
  slept_ += ms;
  clockOffset_ += ms;
}

void VirtualTime::setClock(TimeOfDay time) {
  clockOffset_ = toMs(time) - now_;
}

VirtualTime::Entry* VirtualTime::nextDue(std::int64_t until) const {
  Entry* next = nullptr;
  for (const auto& entry : entries_) {
    if (!entry->started || entry->ticking || entry->due + latency_ > until) continue;
    if (next == nullptr ||
        std::tie(entry->due, entry->sequence) < std::tie(next->due, next->sequence)) {
      next = entry.get();
    }
  }
  return next;
}

void VirtualTime::advance(std::int64_t ms) {
  const std::int64_t until = now_ + ms;
  while (Entry* entry = nextDue(until)) {
    now_ = std::max(now_, entry->due + latency_);
    if (entry->onClock) {
      entry->due = now_ + untilClockMultiple(entry->interval);
    } else {
      // As Qt does: the next tick keeps the rhythm, but a tick missed entirely is dropped.
      entry->due += entry->interval;
      if (entry->due < now_) entry->due = now_ + entry->interval;
    }
    entry->ticking = true;
    // Keep the entry alive even if its timer goes while the tick runs.
    const auto keep = std::find_if(entries_.begin(), entries_.end(),
                                   [entry](const auto& e) { return e.get() == entry; });
    const std::shared_ptr<Entry> alive = *keep;
    try {
      alive->tick();
    } catch (...) {
      alive->ticking = false;  // the process "ended" inside the tick
      throw;
    }
    alive->ticking = false;
  }
  now_ = std::max(now_, until);
}

}  // namespace reminder::test
