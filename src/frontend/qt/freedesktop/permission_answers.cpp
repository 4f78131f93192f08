#include "frontend/qt/freedesktop/permission_answers.h"

#include <map>

namespace reminder {

PowerOffPermission fromCanPowerOff(const QString& answer) {
  // While another program holds a lock that blocks shutdown (a package update, say), recent
  // releases say so; PowerOff is then refused like a "no".
  static const std::map<QString, PowerOffPermission> kPermissions{
      {QStringLiteral("yes"), PowerOffPermission::Allowed},
      {QStringLiteral("challenge"), PowerOffPermission::NeedsAuthentication},
      {QStringLiteral("no"), PowerOffPermission::Refused},
      {QStringLiteral("na"), PowerOffPermission::NotAvailable},
      {QStringLiteral("inhibited"), PowerOffPermission::Refused},
      {QStringLiteral("inhibitor-blocked"), PowerOffPermission::Refused},
      {QStringLiteral("challenge-inhibitor-blocked"), PowerOffPermission::NeedsAuthentication},
  };
  const auto known = kPermissions.find(answer);
  return known == kPermissions.end() ? PowerOffPermission::Unknown : known->second;
}

std::optional<PowerOffPermission> fromCanShutdown(const QVariant& answer) {
  switch (answer.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::UInt:
    case QMetaType::Int:
      return answer.toUInt() != 0 ? PowerOffPermission::Allowed : PowerOffPermission::Refused;
    default:
      return {};
  }
}

}  // namespace reminder
