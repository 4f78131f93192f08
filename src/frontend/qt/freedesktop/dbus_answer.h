#pragma once

#include <QDBusError>
#include <functional>
#include <string>

#include "platform/power.h"

namespace reminder {

// How long a question answered without asking anyone (CanPowerOff, CanShutdown) may take.
inline constexpr int kPermissionTimeoutMs = 1000;

// The bound for an answer that comes only when the session ends, which may take minutes of
// the user's questions: none (libdbus's own "infinite").
inline constexpr int kUntilTheSessionEnds = 0x7fffffff;

// What a power-off request's answer on the bus leads to.
struct AnswerPaths {
  std::function<void()> agreed;
  std::function<void()> nobodyThere;  // no such service or method, or no bus: ask another
  std::function<void(const PowerOffVerdict&)> refused;
};

// Follows the path that `error` (none: agreed) says: nobody there; no answer within
// `boundMs` (or, unbounded, `who` left the bus without one); otherwise `who` refused, in its
// own words.
void followAnswer(const QDBusError& error, const std::string& who, int boundMs,
                  const AnswerPaths& paths);

}  // namespace reminder
