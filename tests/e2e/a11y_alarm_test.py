"""An alarm through the accessibility interface: hour, minute and second typed into the
fields named "Hour", "Minute" and "Second", AM or PM pressed, Start pressed and the auto
shutdown question answered. The entry is then locked and the alarm's Cancel usable; a few
seconds later the "Time Up" box and the Time Up window come, and afterwards the entry is
empty and usable again. The window goes when its OK picture is clicked."""

import time

import a11y
import e2e

MAIN = "KAVELTO Time Reminder"


def test(args):
    with a11y.Session(args.binary, args.tools, args.out) as s:
        main = s.window(MAIN)
        fields = [s.find(main, "text", name) for name in ("Hour", "Minute", "Second")]
        am, pm = s.find(main, "check box", "AM"), s.find(main, "check box", "PM")
        start = s.find_all(main, "push button", "Start")[1]
        cancel = s.find_all(main, "push button", "Cancel")[0]
        for choice in (am, pm, start):
            s.expect_states(choice, absent={"enabled"})

        at = time.localtime(time.time() + 8)
        for field, value in zip(fields, (at.tm_hour % 12 or 12, at.tm_min, at.tm_sec)):
            s.click_on(field)
            s.type(f"{value:02d}")
            s.expect_text(field, f"{value:02d}")
        choice = am if at.tm_hour < 12 else pm
        s.expect_states(choice, present={"enabled"})
        s.press(choice)
        s.expect_states(choice, present={"checked"})
        s.expect_states(start, present={"enabled"})
        s.press(start)
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")

        for control in fields + [am, pm, start]:
            s.expect_states(control, absent={"enabled"})
        s.expect_states(cancel, present={"enabled"})
        s.screenshot("alarm-armed")

        notice = s.window("Stop", holding=("label", "Time Up"), timeout=20)
        splash = s.window("frmSplash")
        s.screenshot("alarm-time-up")
        s.press(s.find(notice, "push button", "OK"))
        s.gone(notice)
        for field in fields:
            s.expect_text(field, "")
            s.expect_states(field, present={"enabled"})
        s.expect_states(am, present={"enabled"}, absent={"checked"})
        s.expect_states(cancel, absent={"enabled"})
        e2e.check("showing" in a11y.states(splash), "the Time Up window went with the box")

        s.click_on(s.find(splash, "image", "OK"))
        s.gone(splash)
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


e2e.run(test)
