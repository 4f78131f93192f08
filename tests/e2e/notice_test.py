"""The Time Up notice reaches the user under a real window manager (REMINDER_WINDOW_MANAGER):
an alarm a few seconds ahead goes off first with the main window minimised (F3), then restored,
a full-screen program focused in front. Each time the Time Up window comes up viewable, above
every other window, with the "Time Up" box above it; it is activated, or else the main
window asks for attention; it stays out of the task bar with an empty title. The desktop
hears it once (one stream on the sound server) and reads it on its notifications (one
critical "Time Up" notice, closed when the box is answered). The main window stays
minimised."""

import desktop
import e2e

TIME_UP_SIZE = (492, 283)
# "TIME UP" in pixels of the Time Up window's client area.
TIME_UP_LETTERS = (56, 40, 401, 129)


def notice_on_top(s, main, below, shot, expected_body):
    """At the expiry: the Time Up window and its box on top of `below` (the main window
    or the full-screen program), seen, heard and notified once. Returns once all is
    checked and the notice put away."""
    streams = s.sound.streams()
    posted = len(s.notifications.calls("Notify"))
    notice, splash = e2e.wait_time_up(s, timeout=30)
    window = s.wait(lambda: s.clients_of_size(TIME_UP_SIZE), "the Time Up window managed")[0]
    box = s.wait_window("Stop")
    e2e.check(s.viewable(window), "the Time Up window is not viewable")

    def stacked():
        order = s.stacking()
        return (window in order and box in order and below in order
                and order.index(below) < order.index(window) < order.index(box))
    s.wait(stacked, "the Time Up window above the others and the box above it "
                    f"(stacking {s.stacking()}, window {window}, box {box}, below {below})")
    s.wait(lambda: s.active() in (window, box) or "DEMANDS_ATTENTION" in s.states(main),
           "the notice activated, or the main window asking for attention")
    e2e.check({"SKIP_TASKBAR", "ABOVE"} <= s.states(window),
              f"the Time Up window's states are {sorted(s.states(window))}")
    e2e.check(s.title(window) == "", f"the Time Up window is titled '{s.title(window)}'")
    e2e.check(s.transient_for(window) is None, "the Time Up window has an owner")

    x, y, _, _ = s.geometry(window)
    left, top, width, height = TIME_UP_LETTERS
    s.screenshot(shot)
    e2e.check(s.ink((x + left, y + top, width, height)) > 2000, "no TIME UP on screen")

    s.wait(lambda: s.sound.streams() > streams, "the Time Up sound played")
    s.wait(lambda: len(s.notifications.calls("Notify")) > posted, "the Time Up notification")
    notify = s.notifications.calls("Notify")[posted:]
    e2e.check(len(notify) == 1, f"{len(notify)} notifications for one notice")
    call = notify[0]
    e2e.check((call["summary"], call["app_name"], call["app_icon"], call["hints"].get("urgency"))
              == ("Time Up", e2e.APP, "kavelto-time-reminder", 2), f"the notification: {call}")
    e2e.check(call["body"] == expected_body, f"the notification says '{call['body']}'")

    s.answer("Stop", "Time Up", "OK")
    # Until it is put away, the window stays in front, the box gone or not.
    s.wait(lambda: s.stacking().index(below) < s.stacking().index(window),
           f"the Time Up window above the others after OK (stacking {s.stacking()}, "
           f"window {window}, below {below}, active {s.active()})")
    s.wait(lambda: [c for c in s.notifications.calls("CloseNotification")
                    if c["id"] == call["id"]], "the notification closed after OK")
    e2e.put_time_up_away(s, splash)
    e2e.check(s.sound.streams() == streams + 1,
              f"{s.sound.streams() - streams} sounds for one notice")


def test(args):
    manager = desktop.window_manager()
    with desktop.DesktopSession(args, manager) as s:
        main_acc = s.window(e2e.APP)
        main = s.wait_window(e2e.APP)

        # (a) The main window minimised: the notice comes, the main window stays down.
        target = e2e.arm_alarm(s, main_acc, lead=12)
        s.keys_to(e2e.APP, "F3")  # Minimize
        s.wait(lambda: s.iconic(main), "the main window minimised")
        clock = s.full_screen_program()
        notice_on_top(s, main, clock, f"{manager}-minimised", alarm_text(s, main_acc, target))
        e2e.check(s.iconic(main), "the notice restored the main window")

        # (b) The main window restored, behind the full-screen program.
        s.wmctrl("-i", "-a", main)
        s.wait(lambda: not s.iconic(main), "the main window restored")
        target = e2e.arm_alarm(s, main_acc, lead=10)
        s.to_front(clock)
        notice_on_top(s, main, clock, f"{manager}-full-screen", alarm_text(s, main_acc, target))


def alarm_text(s, main, target):
    """The alarm's time as the program writes it, from the clock's own format."""
    hour, minute, second = target // 3600, target // 60 % 60, target % 60
    clock_text = e2e.clock(s, main).name
    if clock_text.endswith("M"):
        return f"{hour % 12 or 12}:{minute:02d}:{second:02d} {'AM' if hour < 12 else 'PM'}"
    return f"{hour}:{minute:02d}:{second:02d}"


e2e.run(test)
