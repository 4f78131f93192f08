"""The Debian package: made with CPack, passed by lintian, unpacked into a temporary folder, its
files checked as an installation's, and the unpacked program started under Xvfb, where its main
window must show with the program's icon."""

import argparse
import os
import pathlib
import subprocess
import tempfile

import e2e
import installed_tree
import pictures
from e2e import check, report


def build_package(cpack, build, folder):
    subprocess.run([cpack, "--config", str(pathlib.Path(build) / "CPackConfig.cmake"),
                    "-B", str(folder)], check=True, stdout=subprocess.DEVNULL)
    packages = list(pathlib.Path(folder).glob("*.deb"))
    check(len(packages) == 1, f"{len(packages)} packages made")
    return packages[0]


def check_control(package):
    field = lambda name: subprocess.run(["dpkg-deb", "--field", str(package), name],
                                        capture_output=True, text=True, check=True).stdout.strip()
    architecture = subprocess.run(["dpkg", "--print-architecture"], capture_output=True,
                                  text=True, check=True).stdout.strip()
    check(package.name == f"kavelto-time-reminder_1.0.0.4_{architecture}.deb",
          f"the package file is {package.name}")
    check(field("Package") == "kavelto-time-reminder", f"Package {field('Package')}")
    check(field("Version") == "1.0.0.4", f"Version {field('Version')}")
    check(field("Architecture") == architecture, f"Architecture {field('Architecture')}")
    depends = field("Depends")
    check("libqt6widgets6" in depends and "libc6" in depends, f"Depends: {depends}")
    summary = field("Description").splitlines()[0]
    check(summary == "Remind Your Time & Auto Shutdown", f"Description: {summary}")


def window_property(session, window, *query):
    result = subprocess.run(["xprop", "-id", str(window), "-notype", *query],
                            env={**os.environ, "DISPLAY": session.display},
                            capture_output=True, text=True)
    return result.stdout.partition("=")[2].strip()


def window_icons(session, window):
    """The images of the window's _NET_WM_ICON: {(width, height): [0xAARRGGBB, ...]}."""
    numbers = window_property(session, window, "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON")
    values = [int(v) for v in numbers.replace(",", " ").split()]
    images = {}
    while len(values) >= 2:
        width, height = values[:2]
        images[(width, height)] = values[2:2 + width * height]
        values = values[2 + width * height:]
    return images


def check_window_and_icon(program, tools, out, icon_png):
    with e2e.Session(program, tools, out, accessible=False) as session:
        window = session.wait_window("KAVELTO Time Reminder")
        session.screenshot("packaged-main-window")
        # Docks match the window to its desktop entry by the instance name.
        wm_class = window_property(session, window, "WM_CLASS")
        check(wm_class == '"kavelto-time-reminder", "KAVELTO Time Reminder"',
              f"WM_CLASS is {wm_class}")
        images = window_icons(session, window)
        check((32, 32) in images, f"the window's icons are {sorted(images)}")
        _, _, _, _, rows = pictures.read_png(icon_png)
        expected = [0xFF000000 | r << 16 | g << 8 | b for row in rows for r, g, b in row]
        check(images[(32, 32)] == expected, "the window's icon is not the program's icon")
        session.key("F4")
        session.wait_window("Exit")
        session.key("Return")
        check(session.wait_exit() == 0, "the packaged program did not end cleanly")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--tools", required=True, help="folder holding screen-grab")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    args = parser.parse_args()

    def checks():
        with tempfile.TemporaryDirectory(prefix="reminder-deb-") as work:
            package = build_package(args.cpack, args.build, pathlib.Path(work) / "made")
            check_control(package)
            lintian = subprocess.run(["lintian", "--fail-on", "error,warning", str(package)],
                                     capture_output=True, text=True)
            check(lintian.returncode == 0, f"lintian: {lintian.stdout}{lintian.stderr}")
            root = pathlib.Path(work) / "root"
            subprocess.run(["dpkg-deb", "-x", str(package), str(root)], check=True)
            installed_tree.check_tree(root)
            icon = root / "usr/share/icons/hicolor/32x32/apps/kavelto-time-reminder.png"
            check_window_and_icon(root / "usr/bin/kavelto-time-reminder", args.tools, args.out,
                                  icon)

    report(checks)


if __name__ == "__main__":
    main()
