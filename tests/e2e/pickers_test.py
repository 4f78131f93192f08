"""The two pickers through the real windows: a script with blanks in its path picked by
walking the drive, folder and file lists with mouse and keyboard, two players ticked, both
choices confirmed, an alarm armed a few seconds ahead. After it goes off the script has run
once, the stand-in pkill has recorded the two players in order, and both status lines are
empty."""

import os
import re
import subprocess
import time

import e2e

TOOLS = 3  # the place of "Tools" on the menu bar
# The pickers' client heights (they have no menu bar) and their controls in twips.
FORM2_HEIGHT = 203
DRIVE1 = (0, 0, 2415, 315)
DIR1 = (0, 360, 2415, 1665)
FILE1 = (2400, 0, 2295, 2040)
FORM2_OK = (0, 2640, 615, 375)
FORM3_HEIGHT = 204
WMPLAYER = (360, 720, 2895, 255)
REALPLAY = (360, 1680, 2295, 375)
FORM3_OK = (3000, 2160, 735, 375)
# The alarm's entry in the main window, in twips.
HOUR = (2640, 2520, 375, 285)
MINUTE = (3240, 2520, 375, 285)
SECOND = (3840, 2520, 375, 285)
AM = (4440, 2520, 375, 315)
PM = (4800, 2520, 375, 315)
ALARM_START = (360, 3120, 855, 255)
# The Time Up window's size in pixels and its OK picture in twips.
SPLASH_SIZE = (492, 283)
SPLASH_OK = (480, 3120, 960, 705)
# The status lines Label12 and Label17 in the main window's client area, in pixels.
RUN_LINE = (40, 272, 300, 13)
CLOSE_LINE = (40, 296, 300, 13)


def text_pixels(s, window, area):
    """How many pixels of `area` (x, y, width, height in the client) differ from its first
    pixel, the background: the text drawn there."""
    path = s.out / "status.ppm"
    subprocess.run([str(s.tools / "screen-grab"), str(path)],
                   env={**os.environ, "DISPLAY": s.display, "QT_QPA_PLATFORM": "xcb"},
                   check=True, timeout=30, capture_output=True)
    data = path.read_bytes()
    header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data)
    e2e.check(header, "screen-grab wrote no plain picture")
    width, pixels = int(header.group(1)), data[header.end():]
    ox, oy = s.client_origin(window)
    x, y, w, h = area
    def colour(row, col):
        at = (row * width + col) * 3
        return pixels[at:at + 3]
    background = colour(oy + y, ox + x)
    return sum(1 for row in range(oy + y, oy + y + h) for col in range(ox + x, ox + x + w)
               if sum(abs(a - b) for a, b in zip(colour(row, col), background)) > 90)


def arm_alarm(s, main, at):
    """Arms the alarm at the time `at` on the 12-hour clock, answering No to auto shutdown."""
    for field, value in ((HOUR, at.tm_hour % 12 or 12), (MINUTE, at.tm_min), (SECOND, at.tm_sec)):
        s.click_control(main, field)
        s.type(f"{value:02d}")
    s.click_control(main, AM if at.tm_hour < 12 else PM)
    s.click_control(main, ALARM_START)
    s.wait_window("Exit")
    s.key("Escape")  # No
    s.wait_gone("Exit")


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        folder = s.home / "my progs"
        folder.mkdir()
        script = folder / "mark run"
        script.write_text(f"#!/bin/sh\necho ran >> '{s.home}/marker'\n")
        script.chmod(0o755)
        main = s.wait_window("KAVELTO Time Reminder")
        e2e.check(text_pixels(s, main, RUN_LINE) == 0, "the auto-run line is not empty at start")

        s.menu(main, TOOLS, "Down", "Right", "Return")  # Auto Run Program > Select Program
        picker = s.wait_window("Select Program")
        s.click_control(picker, DRIVE1, FORM2_HEIGHT)
        s.key("Down", "Return")  # the home folder, second after the root
        s.click_control(picker, DIR1, FORM2_HEIGHT)
        s.type("my")
        s.key("Return")
        s.click_control(picker, FILE1, FORM2_HEIGHT)
        s.type("mark")
        s.screenshot("program-picked")
        s.click_control(picker, FORM2_OK, FORM2_HEIGHT)
        s.wait_gone("Select Program")

        s.menu(main, TOOLS, "Right", "Return")  # Auto Close Program > Select Program
        closer = s.wait_window("Select Program")
        s.click_control(closer, WMPLAYER, FORM3_HEIGHT)
        s.click_control(closer, REALPLAY, FORM3_HEIGHT)
        s.screenshot("players-ticked")
        s.click_control(closer, FORM3_OK, FORM3_HEIGHT)
        s.wait_gone("Select Program")

        s.screenshot("both-armed")
        e2e.check(text_pixels(s, main, RUN_LINE) > 0, "the auto-run line names no program")
        e2e.check(text_pixels(s, main, CLOSE_LINE) > 0, "the auto-close line names no player")
        e2e.check(not (s.home / "marker").exists(), "the program started before any expiry")
        e2e.check(s.commands() == [], f"commands started before any expiry: {s.commands()}")

        arm_alarm(s, main, time.localtime(time.time() + 8))
        s.wait_window("Stop", timeout=15)
        s.screenshot("time-up")
        s.key("Return")
        s.wait_gone("Stop")
        splash = next(w for w in s.find_windows("") if s.geometry(w)[2:] == SPLASH_SIZE)
        s.click_control(splash, SPLASH_OK, SPLASH_SIZE[1])
        time.sleep(2)  # time for a second start, which must not come
        s.screenshot("after-expiry")
        marker = s.home / "marker"
        e2e.check(marker.exists() and marker.read_text() == "ran\n",
                  "the picked program did not run exactly once")
        e2e.check(s.commands() == ["pkill -x wmplayer\\.exe", "pkill -x realplay\\.exe"],
                  f"the players were not closed in order: {s.commands()}")
        e2e.check(text_pixels(s, main, RUN_LINE) == 0, "the auto-run line still speaks")
        e2e.check(text_pixels(s, main, CLOSE_LINE) == 0, "the auto-close line still speaks")


e2e.run(test)
