"""An alarm armed through the real window a few seconds ahead, under the locale given by
--lang: the AM/PM choice shows only where the clock shows AM/PM, the alarm goes off in its
second with the Time Up window and message box, and afterwards the entry is idle again:
Start takes the empty entry and refuses it."""

import time

import e2e

# Where the clock ends in AM or PM.
TWELVE_HOUR = {"en_US.UTF-8": True, "de_DE.UTF-8": False}
# The AM and PM buttons together, in pixels of the main window's client area.
AM_PM = (296, 168, 49, 21)
# From reading the clock to the alarm: time to type, click and answer, with room to spare.
LEAD = 10


def test(args):
    twelve_hour = TWELVE_HOUR[args.lang]
    with e2e.Session(args.binary, args.tools, args.out, env={"LANG": args.lang}) as s:
        main = s.wait_window("KAVELTO Time Reminder")
        s.wait_until(lambda: (s.text_pixels(main, AM_PM) > 0) == twelve_hour, 5,
                     f"the AM/PM choice does not {'show' if twelve_hour else 'hide'}")

        target = int(time.time()) + LEAD
        e2e.arm_alarm(s, main, time.localtime(target), twelve_hour)
        e2e.check(time.time() < target - 1, "arming took longer than the lead")
        print(f"armed {target - time.time():.1f} s ahead")
        s.screenshot("armed")

        fired = e2e.wait_time_up(s, timeout=LEAD + 5)
        print(f"went off {fired - target:.2f} s into its second")
        e2e.check(target <= fired < target + 2,
                  f"the alarm went off {fired - target:+.1f} s from its time")
        s.screenshot("time-up")
        e2e.ok_box(s, "Stop")
        e2e.put_time_up_away(s)
        s.screenshot("entry-reset")

        s.click_control(main, e2e.ALARM_START)
        s.wait_window("Alarm")
        s.screenshot("empty-entry-refused")
        e2e.ok_box(s, "Alarm")
        e2e.check(not s.find_windows("Exit"), "an empty entry was armed")


e2e.run(test)
