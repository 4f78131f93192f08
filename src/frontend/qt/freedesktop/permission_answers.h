#pragma once

#include <QVariant>
#include <optional>

#include "platform/power.h"

namespace reminder {

// What logind's CanPowerOff answer means for this user; Unknown for an answer not known.
[[nodiscard]] PowerOffPermission fromCanPowerOff(const QString& answer);

// A session manager's CanShutdown answer, a boolean or (GNOME's since 50) a number; none where
// it is neither.
[[nodiscard]] std::optional<PowerOffPermission> fromCanShutdown(const QVariant& answer);

}  // namespace reminder
