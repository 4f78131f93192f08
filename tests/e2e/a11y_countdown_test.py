"""A countdown through the accessibility interface: the minutes typed into the field a
screen reader names "Insert Minute", Start pressed through its action, the auto shutdown
question answered, the seconds counter and the buttons followed as they change, Cancel
pressed. Text that an assistive tool writes into the field counts as typing, a locked field
refuses it. Then the Exit question: No keeps the program, Yes ends it."""

import a11y
import e2e

MAIN = "KAVELTO Time Reminder"


def test(args):
    with a11y.Session(args.binary, args.tools, args.out) as s:
        main = s.window(MAIN)
        minutes = s.find(main, "text", "Insert Minute")
        start, alarm_start = s.find_all(main, "push button", "Start")
        alarm_cancel, cancel = s.find_all(main, "push button", "Cancel")
        counter = s.find(main, "text", "Text8")
        set_time = s.find(main, "label", "Label15")
        status = s.find(main, "label", "Auto Shutdown Is Off")
        s.expect_states(start, absent={"enabled"})
        s.expect_states(counter, absent={"showing"})

        # What a dictation or switch-access tool writes is typing: Start follows it.
        minutes.queryEditableText().setTextContents("7")
        s.expect_states(start, present={"enabled"})
        minutes.queryEditableText().setTextContents("")
        s.click_on(minutes)
        s.type("1")
        s.expect_text(minutes, "1")
        s.press(start)
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")
        s.screenshot("countdown-running")

        s.expect_states(counter, present={"showing"})
        s.wait(lambda: a11y.text(counter) in ("59", "58"), "the seconds counting down")
        s.expect_states(start, absent={"enabled"})
        s.expect_states(cancel, present={"enabled"})
        s.expect_states(alarm_cancel, absent={"enabled"})
        s.expect_name(set_time, "Time Set to 1 Minute")
        s.expect_name(status, "Auto Shutdown Is Off")
        minutes.queryEditableText().setTextContents("9")  # locked while running
        s.expect_text(minutes, "1")

        s.press(cancel)
        s.expect_states(counter, absent={"showing"})
        s.expect_text(minutes, "")
        s.expect_name(set_time, "Label15")  # empty again: the name falls back
        for button in (start, cancel):
            s.expect_states(button, absent={"enabled"})
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")

        s.keys_to(MAIN, "F4")
        s.answer("Exit", "Are You sure to exit?", "No")
        e2e.check(s.running(), "No ended the program")
        s.keys_to(MAIN, "F4")
        box = s.window("Exit", holding=("label", "Are You sure to exit?"))
        s.press(s.find(box, "push button", "Yes"))
        e2e.check(s.wait_exit() == 0, "Yes did not end the program cleanly")


e2e.run(test)
