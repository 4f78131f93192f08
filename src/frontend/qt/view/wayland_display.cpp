#include "frontend/qt/view/wayland_display.h"

#include <wayland-client.h>

#include <QGuiApplication>
#include <cstring>

namespace reminder::view::wayland {

namespace {

// Looks through the compositor's globals on a connection of its own: Qt keeps its own to
// itself.
bool compositorDecoratesWindows() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return true;  // no compositor to ask: Qt's title bars it is
  bool offered = false;
  static const wl_registry_listener listener{
      [](void* data, wl_registry* /*registry*/, std::uint32_t /*name*/, const char* interface,
         std::uint32_t /*version*/) {
        if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
          *static_cast<bool*>(data) = true;
        }
      },
      [](void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}};
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, &offered);
  wl_display_roundtrip(display);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return offered;
}

}  // namespace

bool programDrawsTitleBars() {
  static const bool draws =
      QGuiApplication::platformName() == QStringLiteral("wayland") && !compositorDecoratesWindows();
  return draws;
}

}  // namespace reminder::view::wayland
