"""The two pickers through the real windows: a script with blanks in its path picked by
walking the drive, folder and file lists with mouse and keyboard, two players ticked, both
choices confirmed, an alarm armed a few seconds ahead. After it goes off the script has run
once, the stand-in pkill has recorded the two players in order, and both status lines are
empty."""

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
# The status lines Label12 and Label17 in the main window's client area, in pixels.
RUN_LINE = (40, 272, 300, 13)
CLOSE_LINE = (40, 296, 300, 13)


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        folder = s.home / "my progs"
        folder.mkdir()
        script = folder / "mark run"
        script.write_text(f"#!/bin/sh\necho ran >> '{s.home}/marker'\n")
        script.chmod(0o755)
        main = s.wait_window("KAVELTO Time Reminder")
        e2e.check(s.text_pixels(main, RUN_LINE) == 0, "the auto-run line is not empty at start")

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
        e2e.check(s.text_pixels(main, RUN_LINE) > 0, "the auto-run line names no program")
        e2e.check(s.text_pixels(main, CLOSE_LINE) > 0, "the auto-close line names no player")
        e2e.check(not (s.home / "marker").exists(), "the program started before any expiry")
        e2e.check(s.commands() == [], f"commands started before any expiry: {s.commands()}")

        e2e.arm_alarm(s, main, time.localtime(time.time() + 8))
        e2e.wait_time_up(s, timeout=15)
        s.screenshot("time-up")
        e2e.ok_box(s, "Stop")
        e2e.put_time_up_away(s)
        time.sleep(2)  # time for a second start, which must not come
        s.screenshot("after-expiry")
        marker = s.home / "marker"
        e2e.check(marker.exists() and marker.read_text() == "ran\n",
                  "the picked program did not run exactly once")
        e2e.check(s.commands() == ["pkill -x wmplayer\\.exe", "pkill -x realplay\\.exe"],
                  f"the players were not closed in order: {s.commands()}")
        e2e.check(s.text_pixels(main, RUN_LINE) == 0, "the auto-run line still speaks")
        e2e.check(s.text_pixels(main, CLOSE_LINE) == 0, "the auto-close line still speaks")


e2e.run(test)
