#include "frontend/qt/view/x11_window.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#endif

namespace reminder::view::x11 {

#if QT_CONFIG(xcb)
namespace {

xcb_connection_t* connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, std::string_view name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data());
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
  const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);  // NOLINT(cppcoreguidelines-no-malloc): xcb allocates its replies with malloc
  return found;
}

// The window manager hints of Motif, which Qt writes: flags, functions, decorations, input
// mode, status.
constexpr std::uint32_t kMotifFunctionsGiven = 1U << 0;
constexpr std::uint32_t kMotifAllFunctions = 1U << 0;
constexpr std::uint32_t kMotifMinimize = 1U << 3;
using MotifHints = std::array<std::uint32_t, 5>;

}  // namespace

void setMinimizable(QWidget& window, bool minimizable) {
  xcb_connection_t* c = connection();
  const auto id = static_cast<xcb_window_t>(window.internalWinId());
  if (c == nullptr || id == 0) return;
  const xcb_atom_t motif = atom(c, "_MOTIF_WM_HINTS");
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, id, motif, motif, 0, std::tuple_size_v<MotifHints>), nullptr);
  MotifHints hints{};
  const bool read = reply != nullptr && reply->format == 32 &&
                    xcb_get_property_value_length(reply) == sizeof(hints);
  if (read) std::memcpy(hints.data(), xcb_get_property_value(reply), sizeof(hints));
  std::free(reply);  // NOLINT(cppcoreguidelines-no-malloc): xcb allocates its replies with malloc
  // Without a list of functions, every function is allowed already.
  if (!read || (hints[0] & kMotifFunctionsGiven) == 0 || (hints[1] & kMotifAllFunctions) != 0) {
    return;
  }
  const std::uint32_t functions =
      minimizable ? hints[1] | kMotifMinimize : hints[1] & ~kMotifMinimize;
  if (functions == hints[1]) return;
  hints[1] = functions;
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, hints.size(), hints.data());
  xcb_flush(c);
}

void keepOutOfTaskbar(QWidget& window) {
  xcb_connection_t* c = connection();
  if (c == nullptr) return;
  // Set on the unmapped window, the state is what the window manager starts it with; Qt adds
  // its own states (on top) to it when it maps the window.
  const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                               atom(c, "_NET_WM_STATE_SKIP_PAGER")};
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
  xcb_flush(c);
}

void showEmptyTitle(QWidget& window) {
  xcb_connection_t* c = connection();
  if (c == nullptr) return;
  const auto id = static_cast<xcb_window_t>(window.winId());
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"),
                      8, 0, "");
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
  xcb_flush(c);
}
#else
void setMinimizable(QWidget&, bool) {}
void keepOutOfTaskbar(QWidget&) {}
void showEmptyTitle(QWidget&) {}
#endif

}  // namespace reminder::view::x11
