"""Both pickers through the accessibility interface. The auto-run picker is opened from its
menu item, a drive chosen in the drive list, a folder opened in the folder list and a program
picked in the file list: the path box reads its path, "OK" arms it and the status line names
it, and the menu's Cancel clears it. The auto-close picker: two players ticked, "OK"
pressed, the status line names them; its menu's Cancel unticks them all."""

import a11y
import e2e

MAIN = "KAVELTO Time Reminder"
PICKER = "Select Program"


def menu_item(s, main, menu, item):
    """The item under the sub-menu `menu` of Tools, as the menu bar offers it."""
    return s.find(s.find(main, "menu item", menu), "menu item", item)


def auto_run(s, main):
    status = s.find(main, "label", "Label12")
    cancel = menu_item(s, main, "Auto Run Program ", "Cancel")
    # A hidden menu item is offered as one that cannot be chosen.
    s.expect_states(cancel, absent={"enabled"})
    s.press(menu_item(s, main, "Auto Run Program ", "Select Program"))
    picker = s.window(PICKER, holding=("list", "File"))
    drives = s.find_all(picker, "combo box", "/")
    e2e.check(len(drives) == 1, "the drive list does not start at the root")
    s.click_on(drives[0])
    s.key("Down", "Return")  # the home folder, second after the root
    s.expect_name(drives[0], str(s.home))
    s.click_on(s.find(picker, "table cell", "progs"))
    s.key("Return")
    s.click_on(s.wait(lambda: s.find_all(picker, "list item", "tool"), "the program listed")[0])
    path = s.find(picker, "text", "Text1")
    s.expect_text(path, f"{s.home}/progs/tool")
    s.screenshot("program-picked")

    ok = s.find(picker, "check box", "OK")
    s.press(ok)
    s.gone(picker)
    s.expect_states(ok, present={"checked"})
    s.expect_name(status, f"Run {s.home}/progs/tool")
    s.expect_states(cancel, present={"enabled"})
    s.press(cancel)
    s.expect_name(status, "Label12")  # empty: the name falls back
    s.expect_states(ok, absent={"checked"})
    s.expect_states(cancel, absent={"enabled"})


def auto_close(s, main):
    status = s.find(main, "label", "Label17")
    s.press(menu_item(s, main, "Auto Close Program", "Select Program"))
    picker = s.window(PICKER, holding=("check box", "Close Winamp"))
    players = [s.find(picker, "check box", name) for name in ("Close Winamp", "Close Real Player")]
    for player in players:
        s.press(player)
        s.expect_states(player, present={"checked"})
    s.screenshot("players-ticked")
    s.press(s.find(picker, "check box", "OK"))
    s.gone(picker)
    s.expect_name(status, "Close  ,Winamp ,Real Player")
    s.press(menu_item(s, main, "Auto Close Program", "Cancel"))
    s.expect_name(status, "Label17")
    for player in players:
        s.expect_states(player, absent={"checked"})


def test(args):
    with a11y.Session(args.binary, args.tools, args.out) as s:
        (s.home / "progs").mkdir()
        tool = s.home / "progs" / "tool"
        tool.write_text("#!/bin/sh\n")
        tool.chmod(0o755)
        main = s.window(MAIN)
        auto_run(s, main)
        auto_close(s, main)
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


e2e.run(test)
