#pragma once

// What a Wayland compositor does for the program's windows. Elsewhere (X11, the offscreen
// platform of the tests) the answer is that of a window manager.
namespace reminder::view::wayland {

// Whether the program must draw its windows' title bars itself: on Wayland, unless the
// compositor offers to decorate windows (xdg-decoration), which Qt then asks it to do.
// Without it Qt would draw its own title bars, with a minimise and a maximise button
// whatever the window has. Asked once, after the application is made.
[[nodiscard]] bool programDrawsTitleBars();

}  // namespace reminder::view::wayland
