"""A one-minute countdown with auto shutdown on, answered from the keyboard: once its
seconds have run down the program asks the system to power off and ends."""

import e2e


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.window(e2e.APP)
        counter = s.find(main, "text", "Text8")
        s.click(s.find(main, "text", "Insert Minute"))
        s.type("1")
        s.click(s.find_all(main, "push button", "Start")[0])
        s.window("Exit", holding=("label", "Turn on Auto Shutdown ?"))
        s.key("Return")  # Yes is the default
        s.wait_gone("Exit")
        s.window("Information")
        s.key("Return")
        s.wait_gone("Information")
        s.screenshot("counting")
        s.expect_states(counter, present={"showing"})

        e2e.follow_countdown(s, counter, until=lambda: not s.running())
        status = s.wait_exit()
        e2e.check(status == 0, f"the program ended with status {status}")
        # The stand-in may still be writing: the program does not wait for it.
        s.wait(s.commands, "a command recorded", while_running=False)
        e2e.check(s.commands() == ["systemctl poweroff"], f"commands started: {s.commands()}")


e2e.run(test)
