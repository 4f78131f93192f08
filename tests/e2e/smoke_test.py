"""The real program starts under X and shows its main window with its title and menu bar.
F4 asks "Are You sure to exit?": No keeps the program, Yes (the default, from the keyboard)
ends it cleanly."""

import e2e

# The main window's client area in pixels; the menu bar sits above it.
MAIN_CLIENT_HEIGHT = 425


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        s.window(e2e.APP)
        _, _, width, height = s.geometry(s.wait_window(e2e.APP))
        e2e.check(width == 362, f"main window is {width} px wide")
        e2e.check(height > MAIN_CLIENT_HEIGHT, "main window has no menu bar")
        s.screenshot("main-window")

        e2e.exit_question(s)
        s.screenshot("exit-question")
        s.answer("Exit", "Are You sure to exit?", "No")
        e2e.check(s.running(), "No ended the program")
        e2e.exit_question(s)
        s.key("Return")  # Yes is the default
        e2e.check(s.wait_exit() == 0, "the program did not end cleanly")


e2e.run(test)
