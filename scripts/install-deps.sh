#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, only those missing.
# Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev
  fonts-dejavu-core fonts-liberation fonts-urw-base35
  # The Time Up notice: X11 window states through xcb, the theme's sound through libcanberra
  # (on PulseAudio through its plug-in), the desktop's notifications over D-Bus.
  libxcb1-dev libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  # Whether a Wayland compositor decorates windows, asked through the Wayland client library.
  libwayland-dev
)
# The Debian package's dependencies are found with dpkg-shlibdeps, on the files that
# `file` tells are programs.
if [[ "${1:-}" == "--package" ]]; then
  packages+=(dpkg-dev file)
fi
# The tests also validate the desktop files, make the package, check it with lintian and run
# it, and compile the Windows code, its tests (with GoogleTest's sources), resources and
# installer (NSIS) with MinGW-w64 and run them under Wine.
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(xvfb xauth xdotool x11-utils python3 procps
    dpkg-dev file desktop-file-utils appstream lintian
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine64 nsis)
  # Wine's own fonts for the Windows windows; the locale sources that regional formats
  # under Wine are generated from.
  packages+=(fonts-wine locales)
  # The checked build and the fuzzers; the source style check; the accessibility bus and its
  # Python client.
  packages+=(clang libclang-rt-14-dev clang-format dbus at-spi2-core python3-pyatspi)
  # A fake logind on a private system bus, for the auto shutdown tests, and the desktops' real
  # session managers that power off through it: GNOME's, MATE's, Cinnamon's (with the
  # settings it reads), KDE Plasma's (about 200 packages, a minute to install) and Xfce's;
  # gdbus to ask them.
  packages+=(dbus-daemon python3-dbus python3-gi libglib2.0-bin xfce4-session)
  packages+=(gnome-session-bin mate-session-manager plasma-workspace)
  packages+=(cinnamon-session cinnamon-settings-daemon cinnamon-common)
  # The Time Up notice under real window managers, in front of a full-screen xclock, heard
  # by a sound server with a null sink and read by a recording notification service.
  packages+=(openbox metacity xfwm4 wmctrl x11-apps pulseaudio pulseaudio-utils)
  # The same under GNOME's and KDE's window managers (KDE's with its own title bars), and the
  # program on Wayland under weston's headless compositor.
  packages+=(mutter kwin-x11 kwin-style-breeze weston qt6-wayland)
fi

# The Windows program alone (scripts/build-windows.sh) needs only the cross compiler, and
# NSIS for its installer.
if [[ "${1:-}" == "--windows" ]]; then
  packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
run_as_root=()
[[ $(id -u) -ne 0 ]] && run_as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
