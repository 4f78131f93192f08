"""A one-minute countdown started with the mouse and the keyboard, auto shutdown answered
No: a minute later come the Time Up window and the "Time Up" box; the window ignores a click
on its letters and goes away at a click on its OK picture; the countdown is idle again."""

import time

import e2e

# The set-time line Label15 and the seconds counter Text8, in pixels of the client area.
TIME_SET_LINE = (136, 48, 129, 17)
SECONDS = (280, 80, 17, 19)
# The words TIME UP in the Time Up window, in twips.
TIME_UP_LETTERS = (840, 600, 6015, 1935)


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.wait_window("KAVELTO Time Reminder")
        started = e2e.start_countdown(s, main, "1", auto_shutdown=False)
        time.sleep(2)
        s.screenshot("counting")
        e2e.check(s.text_pixels(main, TIME_SET_LINE) > 0, "no set time shown")
        e2e.check(s.text_pixels(main, SECONDS) > 0, "no seconds counter shown")

        elapsed = e2e.wait_time_up(s, timeout=70) - started
        print(f"time up after {elapsed:.2f} s")
        e2e.check(59 <= elapsed <= 62, f"time was up after {elapsed:.1f} s")
        s.screenshot("time-up")
        e2e.ok_box(s, "Stop")
        s.click_control(s.time_up_windows()[0], TIME_UP_LETTERS, e2e.TIME_UP_SIZE[1])
        time.sleep(0.5)
        e2e.check(s.time_up_windows(), "a click on the letters put the Time Up window away")
        e2e.put_time_up_away(s)
        s.screenshot("after-expiry")
        e2e.check(s.text_pixels(main, TIME_SET_LINE) == 0, "the set time is still shown")
        e2e.check(s.text_pixels(main, SECONDS) == 0, "the seconds counter is still shown")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


e2e.run(test)
