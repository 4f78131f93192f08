"""The real program starts under X, shows its main window with its title, and Exit with
Yes ends it."""

import e2e


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.wait_window("KAVELTO Time Reminder")
        _, _, width, height = s.geometry(main)
        e2e.check(width == 362, f"main window is {width} px wide")
        e2e.check(height > e2e.MAIN_CLIENT_HEIGHT, "main window has no menu bar")
        s.screenshot("main-window")

        s.key("F4")
        s.wait_window("Exit")
        s.screenshot("exit-question")
        s.key("Return")  # Yes is the default
        e2e.check(s.wait_exit() == 0, "the program did not end cleanly")


e2e.run(test)
