"""Both pickers through the real windows.

Auto run: the picker opened by clicking through its menu, a drive chosen in the drive list,
a folder opened and a program picked: the path box reads its path, "OK" arms it and the
status line names it, and the menu's Cancel clears it. Then, with the keyboard through the
menu and the lists, a script with blanks in its path is picked and confirmed.
Auto close: two players ticked and confirmed, the status line names them; the menu's Cancel
unticks them all. Ticked again and confirmed, with an alarm a few seconds ahead: after it
goes off the script has run, the stand-in pkill has recorded the two players in order, and
both status lines are empty. Each choice is used once: after a second alarm, and the
program's end, the script has run once and no player was closed again."""

import e2e

PICKER = "Select Program"


def menu_item(s, main, menu, item):
    """The item under the sub-menu `menu` of Tools, as the menu bar offers it."""
    return s.find(s.find(main, "menu item", menu), "menu item", item)


def home_drive(s, picker):
    """Chooses the home folder in the drive list, second after the root."""
    drive = s.find_all(picker, "combo box")[0]
    if drive.name != str(s.home):
        s.click(drive)
        s.key("Down", "Return")
    s.expect_name(drive, str(s.home))


def auto_run_by_mouse(s, main, status):
    cancel = menu_item(s, main, "Auto Run Program ", "Cancel")
    # A hidden menu item is offered as one that cannot be chosen.
    s.expect_states(cancel, absent={"enabled"})
    s.choose(main, "Tools", "Auto Run Program ", "Select Program")
    picker = s.window(PICKER, holding=("list", "File"))
    drives = s.find_all(picker, "combo box", "/")
    e2e.check(len(drives) == 1, "the drive list does not start at the root")
    home_drive(s, picker)
    s.click(s.find(picker, "table cell", "progs"))
    s.key("Return")
    s.click(s.wait(lambda: s.find_all(picker, "list item", "tool"), "the program listed")[0])
    path = s.find(picker, "text", "Text1")
    s.expect_text(path, f"{s.home}/progs/tool")
    s.screenshot("program-picked")

    ok = s.find(picker, "check box", "OK")
    s.click(ok)
    s.gone(picker)
    s.expect_states(ok, present={"checked"})
    s.expect_name(status, f"Run {s.home}/progs/tool")
    s.expect_states(cancel, present={"enabled"})
    s.choose(main, "Tools", "Auto Run Program ", "Cancel")
    s.expect_name(status, "Label12")  # empty: the name falls back
    s.expect_states(ok, absent={"checked"})
    s.expect_states(cancel, absent={"enabled"})


def auto_run_by_keys(s, main, status, script):
    # From the bar's first menu to Tools, then Auto Run Program > Select Program.
    s.click(s.find(main, "menu item", "Control"))
    s.key("Right", "Right", "Right", "Down", "Right", "Return")
    picker = s.window(PICKER, holding=("list", "File"))
    home_drive(s, picker)
    s.click(s.find(picker, "tree", "Folder"))
    s.type("my")
    s.key("Return")
    s.click(s.find(picker, "list", "File"))
    s.type("mark")
    s.expect_text(s.find(picker, "text", "Text1"), str(script))
    s.screenshot("script-picked")
    s.click(s.find(picker, "check box", "OK"))
    s.gone(picker)
    s.expect_name(status, f"Run {script}")


def tick_players(s, main, players):
    s.choose(main, "Tools", "Auto Close Program", "Select Program")
    picker = s.window(PICKER, holding=("check box", "Close Winamp"))
    ticked = [s.find(picker, "check box", f"Close {name}") for name in players]
    for player in ticked:
        s.click(player)
        s.expect_states(player, present={"checked"})
    s.screenshot("players-ticked")
    s.click(s.find(picker, "check box", "OK"))
    s.gone(picker)
    return ticked


def auto_close_cancelled(s, main, status):
    ticked = tick_players(s, main, ("Winamp", "Real Player"))
    s.expect_name(status, "Close  ,Winamp ,Real Player")
    s.choose(main, "Tools", "Auto Close Program", "Cancel")
    s.expect_name(status, "Label17")
    for player in ticked:
        s.expect_states(player, absent={"checked"})


def expire(s, main):
    e2e.arm_alarm(s, main)
    notice, splash = e2e.wait_time_up(s, timeout=60)
    s.screenshot("time-up")
    s.click(s.find(notice, "push button", "OK"))
    s.gone(notice)
    e2e.put_time_up_away(s, splash)


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        (s.home / "progs").mkdir()
        tool = s.home / "progs" / "tool"
        tool.write_text("#!/bin/sh\n")
        tool.chmod(0o755)
        # Below the folder the picker is left in.
        (s.home / "progs" / "my progs").mkdir()
        script = s.home / "progs" / "my progs" / "mark run"
        marker = s.home / "marker"
        script.write_text(f"#!/bin/sh\necho ran >> '{marker}'\n")
        script.chmod(0o755)
        main = s.window(e2e.APP)
        run_line, close_line = s.find(main, "label", "Label12"), s.find(main, "label", "Label17")
        e2e.check(s.ink(e2e.box(run_line)) == 0, "the auto-run line is not empty at start")

        auto_run_by_mouse(s, main, run_line)
        auto_close_cancelled(s, main, close_line)
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")

        auto_run_by_keys(s, main, run_line, script)
        tick_players(s, main, ("Windows Media Player", "Real Player"))
        s.screenshot("both-armed")
        e2e.check(s.ink(e2e.box(run_line)) > 0, "the auto-run line names no program")
        e2e.check(s.ink(e2e.box(close_line)) > 0, "the auto-close line names no player")
        e2e.check(not marker.exists(), "the program started before any expiry")
        e2e.check(s.commands() == [], f"commands started before any expiry: {s.commands()}")

        expire(s, main)
        s.wait(marker.exists, "the picked program's mark")
        s.screenshot("after-expiry")
        closed = ["pkill -x wmplayer\\.exe", "pkill -x realplay\\.exe"]
        e2e.check(s.commands() == closed, f"the players were not closed in order: {s.commands()}")
        s.expect_name(run_line, "Label12")
        s.expect_name(close_line, "Label17")
        e2e.check(s.ink(e2e.box(run_line)) == 0, "the auto-run line still speaks")
        e2e.check(s.ink(e2e.box(close_line)) == 0, "the auto-close line still speaks")

        expire(s, main)
        s.click(s.find(e2e.exit_question(s), "push button", "Yes"))
        e2e.check(s.wait_exit() == 0, "the program did not end cleanly")
        e2e.check(marker.read_text() == "ran\n", "the picked program did not run exactly once")
        e2e.check(s.commands() == closed, f"players closed again: {s.commands()}")


e2e.run(test)
