"""An alarm through the real window under the locale given by --lang. The AM/PM choice shows
only where the clock shows AM/PM. Hour, minute and second are typed into the fields named
"Hour", "Minute" and "Second" a few seconds ahead of the program's clock, AM or PM picked,
Start clicked and the auto shutdown question answered. The entry is then locked and the
alarm's Cancel usable. The "Time Up" box and the Time Up window come in the alarm's second;
afterwards the entry is empty and usable again, and the window goes when its OK picture is
clicked. Start then takes the empty entry and refuses it."""

import e2e

# Where the clock ends in AM or PM.
TWELVE_HOUR = {"en_US.UTF-8": True, "de_DE.UTF-8": False}


def test(args):
    twelve_hour = TWELVE_HOUR[args.lang]
    with e2e.Session(args.binary, args.tools, args.out, env={"LANG": args.lang}) as s:
        main = s.window(e2e.APP)
        fields, am, pm, start = e2e.alarm_entry(s, main)
        cancel = s.find_all(main, "push button", "Cancel")[0]
        clock = e2e.clock(s, main)
        for choice in (am, pm, start):
            s.expect_states(choice, absent={"enabled"})
        for choice in (am, pm):
            s.expect_states(choice, **{"present" if twelve_hour else "absent": {"showing"}})
        x, y, _, height = e2e.box(am)
        right = sum(e2e.box(pm)[::2])
        s.wait(lambda: (s.ink((x, y, right - x, height)) > 0) == twelve_hour,
               f"the AM/PM choice {'shown' if twelve_hour else 'hidden'} on screen")

        target = e2e.arm_alarm(s, main, twelve_hour)
        for control in fields + [am, pm, start]:
            s.expect_states(control, absent={"enabled"})
        s.expect_states(cancel, present={"enabled"})
        s.screenshot("armed")

        notice, splash = e2e.wait_time_up(s, timeout=60)
        # The clock's tick waits for the box, so the clock still shows the second it saw.
        shown = clock.name
        e2e.check(e2e.seconds_of_day(shown) == target,
                  f"the alarm for {target} s into the day went off at {shown}")
        s.screenshot("time-up")
        s.click(s.find(notice, "push button", "OK"))
        s.gone(notice)
        for field in fields:
            s.expect_text(field, "")
            s.expect_states(field, present={"enabled"})
        if twelve_hour:
            s.expect_states(am, present={"enabled"}, absent={"checked"})
        s.expect_states(cancel, absent={"enabled"})
        e2e.check("showing" in e2e.states(splash), "the Time Up window went with the box")
        e2e.put_time_up_away(s, splash)
        s.screenshot("entry-reset")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")

        s.click(start)
        s.window("Alarm")
        s.screenshot("empty-entry-refused")
        s.key("Return")
        s.wait_gone("Alarm")
        # F4 is dealt with after Start has returned: an armed alarm would be asking about
        # auto shutdown instead.
        e2e.exit_question(s)
        e2e.check(not [w for w in s.windows("Exit")
                       if s.find_all(w, "label", "Turn on Auto Shutdown ?")],
                  "an empty entry was armed")
        s.expect_states(cancel, absent={"enabled"})
        s.answer("Exit", "Are You sure to exit?", "No")


e2e.run(test)
