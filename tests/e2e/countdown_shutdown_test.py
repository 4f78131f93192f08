"""A one-minute countdown with auto shutdown on: a minute later the program asks the system
to power off and ends."""

import time

import e2e


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.wait_window("KAVELTO Time Reminder")
        started = e2e.start_countdown(s, main, "1", auto_shutdown=True)
        s.screenshot("counting")
        status = s.wait_exit(timeout=70)
        elapsed = time.time() - started
        print(f"ended after {elapsed:.2f} s")
        e2e.check(59 <= elapsed <= 62, f"the program ended after {elapsed:.1f} s")
        e2e.check(status == 0, f"the program ended with status {status}")
        # The stand-in may still be writing: the program does not wait for it.
        s.wait_until(s.commands, 5, "no command recorded")
        e2e.check(s.commands() == ["systemctl poweroff"], f"commands started: {s.commands()}")


e2e.run(test)
