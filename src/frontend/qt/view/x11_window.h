#pragma once

class QWidget;

// What a window needs to tell an X11 window manager that Qt does not say. Elsewhere (another
// platform, the offscreen one of the tests) these do nothing.
namespace reminder::view::x11 {

// Keeps a window without an owner out of the task bar and the pager. Qt keeps only owned
// windows out; this must be said again each time before the window is mapped.
void keepOutOfTaskbar(QWidget& window);

// Lets the window manager minimise a window without a minimise button, or no longer. Qt leaves
// the function out with the button; some window managers (mutter) then refuse every request
// to minimise it, the program's own included, and others (xfwm4) show the button with the
// function. Does nothing before the window exists.
void setMinimizable(QWidget& window, bool minimizable);

// Leaves the title bar empty: Qt puts the program's name into an empty title.
void showEmptyTitle(QWidget& window);

}  // namespace reminder::view::x11
