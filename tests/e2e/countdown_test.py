"""Countdowns through the real window. The minutes are typed into the field a screen reader
names "Insert Minute" (text an assistive tool writes into it counts as typing, a locked
field refuses it), Start is clicked and the auto shutdown question answered No. The seconds
counter, the set time and the buttons follow; Cancel stops it all. A second countdown runs
its minute down: then come the Time Up window and the "Time Up" box; the window ignores a
click on its letters and goes at a click on its OK picture; the countdown is idle again.
The task manager, as dbus-monitor hears it, sees the progress rise once a second at most, go
urgent while the box waits, and go after OK."""

import re
import subprocess

import e2e

CLEARED = {"progress": "0", "progress-visible": "false", "urgent": "false"}
URGENT = {"progress": "1", "progress-visible": "true", "urgent": "true"}


def launcher_entry(s):
    """The updates of the program's launcher entry on the session bus: [{property: value}]."""
    log = s.home / "launcher-entry.log"
    subprocess.Popen(["dbus-monitor", "--session", "interface=com.canonical.Unity.LauncherEntry"],
                     stdout=log.open("w"), stderr=subprocess.DEVNULL)
    s.wait(lambda: log.stat().st_size, "dbus-monitor listening")
    return lambda: [dict(re.findall(r'string "([\w-]+)"\s+variant\s+\w+ (\S+)', update))
                    for update in log.read_text().split("member=Update")[1:]
                    if 'string "application://kavelto-time-reminder.desktop"' in update]


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        updates = launcher_entry(s)
        main = s.window(e2e.APP)
        minutes = s.find(main, "text", "Insert Minute")
        start = s.find_all(main, "push button", "Start")[0]
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
        s.click(minutes)
        s.type("1")
        s.expect_text(minutes, "1")
        s.click(start)
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")
        s.screenshot("countdown-running")

        s.expect_states(counter, present={"showing"})
        s.wait(lambda: e2e.text(counter) in ("59", "58"), "the seconds counting down")
        s.expect_states(start, absent={"enabled"})
        s.expect_states(cancel, present={"enabled"})
        s.expect_states(alarm_cancel, absent={"enabled"})
        s.expect_name(set_time, "Time Set to 1 Minute")
        s.expect_name(status, "Auto Shutdown Is Off")
        set_time_box, counter_box = e2e.box(set_time), e2e.box(counter)
        e2e.check(s.ink(set_time_box) > 0, "no set time shown")
        e2e.check(s.ink(counter_box) > 0, "no seconds counter shown")
        minutes.queryEditableText().setTextContents("9")  # locked while running
        s.expect_text(minutes, "1")

        s.click(cancel)
        cancelled = len(updates())
        s.expect_states(counter, absent={"showing"})
        s.expect_text(minutes, "")
        s.expect_name(set_time, "Label15")  # empty again: the name falls back
        for button in (start, cancel):
            s.expect_states(button, absent={"enabled"})

        # The second runs to its end, answered from the keyboard.
        s.click(minutes)
        s.type("1")
        s.click(start)
        s.window("Exit", holding=("label", "Turn on Auto Shutdown ?"))
        s.key("Escape")  # No
        s.wait_gone("Exit")
        e2e.follow_countdown(s, counter, until=lambda: s.windows("Stop"))
        notice, splash = e2e.wait_time_up(s, timeout=10)
        s.screenshot("time-up")
        s.wait(lambda: updates()[-1] == URGENT, "the icon urgent while the box waits")
        shares = [float(entry["progress"]) for entry in updates()[cancelled:]]
        e2e.check(shares[0] == 0 and shares == sorted(shares) and 30 <= len(shares) <= 61,
                  f"the minute's progress: {shares}")
        s.key("Return")
        s.gone(notice)
        s.wait(lambda: updates()[-1] == CLEARED, "the progress gone after OK")

        s.click(s.find(splash, "label", "TIME UP"))
        # The question comes from input sent after the click, so the click has been dealt
        # with by the time it shows.
        e2e.exit_question(s)
        e2e.check("showing" in e2e.states(splash), "a click on the letters put the window away")
        s.answer("Exit", "Are You sure to exit?", "No")
        e2e.put_time_up_away(s, splash)
        s.screenshot("after-expiry")
        s.expect_states(counter, absent={"showing"})
        s.expect_name(set_time, "Label15")
        e2e.check(s.ink(set_time_box) == 0, "the set time is still shown")
        e2e.check(s.ink(counter_box) == 0, "the seconds counter is still shown")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


e2e.run(test)
