"""The Windows program end to end under Wine: real clicks and keys, the windows read from
another process, the system commands recorded by the stand-ins in the system folder; and its
installer and uninstaller, silent.
    program_test.py WINDOWS_BUILD_DIR OUT_DIR SCREEN_GRAB SUITE [DPI]
SUITE: everyday (its use, at 96 dpi), repeated-use (objects left behind), look (the windows
at the DPI)."""

import re
import subprocess
import sys
import time

from wine_session import PROGRAM, WINE_ENV, Program, check, run, wait_until, windows_path

HOUR, MINUTE, SECOND = "Text5", "Text6", "Text7"


def started(wine, name, lang="en_US.UTF-8", **stand_in):
    return Program(wine, name, lang, **stand_in)


def arm_alarm(p, seconds_ahead, auto_shutdown=False):
    """Types a time a few seconds ahead into the alarm's fields, picks AM or PM where the clock
    has them, presses Start and answers the auto shutdown question."""
    clock = wait_until(lambda: p.text("Form1", "Label5"), 5, "the clock shows nothing")
    twelve_hour = clock.endswith("M")
    at = time.localtime(time.time() + seconds_ahead)
    hour = (at.tm_hour % 12 or 12) if twelve_hour else at.tm_hour
    for field, value in ((HOUR, f"{hour}"), (MINUTE, f"{at.tm_min:02d}"),
                         (SECOND, f"{at.tm_sec:02d}")):
        p.click("Form1", field)
        p.type(value)
    if twelve_hour:
        p.click("Form1", "Option1" if at.tm_hour < 12 else "Option2")
    p.click("Form1", "Command2")
    p.answer("Exit", "Yes" if auto_shutdown else "No")
    return twelve_hour


def time_up(p, timeout, notice=None):
    """The Time Up window and the "Time Up" box come; OK and the OK picture put them away.
    With `notice`, the notification area's balloon reads it until OK takes its icon away."""
    p.wait_window("frmSplash", timeout)
    # Above every other window, the main window's or not, with an empty caption.
    frame = p.wine.ask("frame", "frmSplash")
    check(frame == "1 unowned ", f"the Time Up window's frame: {frame!r}")
    check(p.wait_box("Stop", 10) == "Time Up", 'the box does not read "Time Up"')
    p.wine.screenshot("time-up", p.window("frmSplash"))
    if notice:
        wait_until(lambda: p.wine.ask("balloon") == notice, 10, f'no balloon "{notice}"')
        p.wine.screenshot("time-up-notice")
    p.answer("Stop", "OK")
    if notice:
        # Wine would keep the balloon 10 s.
        wait_until(lambda: p.wine.ask("balloon") == "none" and p.wine.ask("icons") == "0", 3,
                   "the notice stayed after OK")
    p.click("frmSplash", "Image1")
    p.wait_hidden("frmSplash")


def first_look_language_and_exit(wine):
    p = started(wine, "exit")
    try:
        check(p.text("Form1", "Label11") == "Auto Shutdown Is Off", "the status line is wrong")
        _, enabled, _ = p.control("Form1", "Command1")
        check(not enabled, "Start is enabled before any minutes")
        wait_until(lambda: p.text("Form1", "Label5"), 5, "the clock shows nothing")
        wine.screenshot("main-window", p.window("Form1"))
        p.click("Form1", "Text1")
        p.type("12345")
        p.wait_text("Form1", "Text1", "12345")
        _, enabled, _ = p.control("Form1", "Command1")
        check(enabled, "Start stays disabled with minutes typed")
        p.click("Form1", HOUR)
        p.type("123")
        p.wait_text("Form1", HOUR, "12")  # at most two characters

        p.key("ctrl+i")
        p.wait_text("Form1", "Label1", "Masukan Menit:")
        p.key("ctrl+e")
        p.wait_text("Form1", "Label1", "Insert Minute:")

        p.key("F4")
        check(p.wait_box("Exit") == "Are You sure to exit?", "the Exit question is wrong")
        p.answer("Exit", "No")
        check(p.process.poll() is None and p.window("Form1"), "No ended the program")
        p.key("F4")
        p.answer("Exit", "Yes")
        p.wait_exit()
    finally:
        p.close()


def start_countdown(p, minutes):
    """A countdown of `minutes` with auto shutdown off, started by clicks."""
    p.click("Form1", "Text1")
    p.type(str(minutes))
    p.click("Form1", "Command1")
    p.answer("Exit", "No")
    p.wait_text("Form1", "Label15", f"Time Set to {minutes} Minute")


def countdown_of_one_minute(wine):
    p = started(wine, "countdown")
    try:
        start_countdown(p, 1)
        time_up(p, timeout=90, notice="Time Set to 1 Minute")
        check(p.text("Form1", "Text1") == "0", "the minutes do not read 0 after the countdown")
        check(p.commands() == [], f"commands were started: {p.commands()}")
    finally:
        p.close()


def session_ending_during_a_countdown(wine):
    """The session ends (wineboot -e) while a countdown runs: no window refuses it, no box
    asks anything, and the program ends with it."""
    p = started(wine, "session-end")
    try:
        start_countdown(p, 5)
        status = subprocess.run(["bash", str(WINE_ENV), "run", str(wine.prefix), "wineboot", "-e"],
                                env=wine.env, timeout=60).returncode
        check(status == 0, f"wineboot -e ended with status {status}: a window refused")
        check(p.box("Exit") is None, "the Exit question held up the end of the session")
        p.wait_exit()
    finally:
        p.close()


def alarm_under(lang, twelve_hour):
    def scenario(wine):
        p = started(wine, f"alarm-{lang}", lang)
        try:
            check(arm_alarm(p, 8) == twelve_hour,
                  f'the clock "{p.text("Form1", "Label5")}" is not as {lang} writes it')
            time_up(p, timeout=20)
        finally:
            p.close()

    scenario.__name__ = f"alarm_under_{lang.split('.')[0]}"
    return scenario


def armed_with_shutdown(wine, name, **stand_in):
    """The program with an alarm a few seconds ahead and auto shutdown on."""
    p = started(wine, name, **stand_in)
    arm_alarm(p, 8, auto_shutdown=True)
    p.answer("Information", "OK")
    return p


def auto_shutdown(wine):
    p = armed_with_shutdown(wine, "shutdown")
    try:
        check(p.text("Form1", "Label11") == "Auto Shutdown Is On", "auto shutdown is not on")
        p.wait_exit(timeout=20)
        wait_until(p.commands, 10, "nothing was started")
        check(p.commands() == ["shutdown -s -t 00"], f"not the shutdown: {p.commands()}")
    finally:
        p.close()


def auto_shutdown_failing(how, reason, **stand_in):
    """A shutdown.exe that refuses, or that never answers: the failure is said within the
    bound, the window going on meanwhile, and the reminder still comes."""
    def scenario(wine):
        p = armed_with_shutdown(wine, f"shutdown-{how}", **stand_in)
        try:
            wait_until(p.commands, 20, "the shutdown was not started")
            started = time.monotonic()
            waiting = p.text("Form1", "Label5")
            wait_until(lambda: p.text("Form1", "Label5") != waiting, 4,
                       "the clock stood still while the shutdown's answer was awaited")
            failure = p.wait_box("Auto Shutdown", 34)
            check(time.monotonic() - started < 32, "the failure came after the bound")
            check(failure.startswith("Auto Shutdown failed") and reason in failure,
                  f"not the failure: {failure!r}")
            check(p.commands() == ["shutdown -s -t 00"], f"not the shutdown: {p.commands()}")
            p.answer("Auto Shutdown", "OK")
            time_up(p, timeout=10)
            check(p.process.poll() is None, "the program ended although the shutdown failed")
        finally:
            p.close()

    scenario.__name__ = f"auto_shutdown_{how}"
    return scenario


def auto_shutdown_slow(wine):
    """A shutdown.exe that takes 5 s to say yes: the clock runs on meanwhile, then it ends."""
    p = armed_with_shutdown(wine, "shutdown-slow", REMINDER_DELAY_MS="5000")
    try:
        wait_until(p.commands, 20, "the shutdown was not started")
        waiting = p.text("Form1", "Label5")
        wait_until(lambda: p.text("Form1", "Label5") != waiting, 4,
                   "the clock stood still while the shutdown's answer was awaited")
        check(p.process.poll() is None, "the program ended before the shutdown said yes")
        p.wait_exit(timeout=20)
    finally:
        p.close()


def menu(p, *moves):
    """Opens Tools on the menu bar from the keyboard and walks `moves` in it."""
    p.click_window("Form1", 200, 10)
    p.key("F10", "Right", "Right", "Right", "Down", *moves)


def both_pickers(wine):
    p = started(wine, "pickers")
    try:
        menu(p, "Right", "Return")  # Auto Close Program > Select Program
        p.wait_window("Form3")
        p.click("Form3", "Check1")
        p.click("Form3", "Check2")
        check(p.ticked("Form3", "Check1") and p.ticked("Form3", "Check2"),
              "the two players are not ticked")
        wine.screenshot("auto-close-picker", p.window("Form3"))
        p.click("Form3", "Check5")
        p.wait_hidden("Form3")

        menu(p, "Down", "Right", "Return")  # Auto Run Program > Select Program
        p.wait_window("Form2")
        p.click("Form2", "Dir1")
        p.key("Home", "Down", "Return")  # "app", first under C:\
        p.click("Form2", "File1")
        p.key("Home", "Down")  # "picked.exe", after the program itself
        p.wait_text("Form2", "Text1", "C:\\app\\picked.exe")
        wine.screenshot("auto-run-picker", p.window("Form2"))
        p.click("Form2", "Check1")
        p.wait_hidden("Form2")
        p.wait_text("Form1", "Label12", "Run C:\\app\\picked.exe")
        check(p.text("Form1", "Label17").startswith("Close "), "the auto-close line is empty")
        check(p.commands() == [], f"commands before any expiry: {p.commands()}")

        arm_alarm(p, 8)
        time_up(p, timeout=20)
        picked = '"C:\\app\\picked.exe"'  # exactly that file, quoted
        wait_until(lambda: picked in p.commands(), 10, "the program did not run")
        check(p.commands() == ["taskkill /im wmplayer.exe", "taskkill /im winamp.exe", picked],
              f"not the two players in order and the program once: {p.commands()}")
    finally:
        p.close()


def installed_and_removed(wine):
    """setup.exe /S puts the program, its shortcut and its uninstall entry in place; the program
    starts from there; the uninstaller's quiet line takes all of it away again."""
    wine.run(windows_path(wine.build / "kavelto-time-reminder-1.00.0004-setup.exe"), "/S")
    key = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kavelto-time-reminder"
    entry = lambda: dict(re.findall(r"^ +(\w+) +REG_\w+ +(.*?)\s*$", wine.run("reg", "query", key),
                                    re.MULTILINE))
    user = next((wine.prefix / "drive_c" / "users").glob("*/AppData"))
    shortcut = user / "Roaming/Microsoft/Windows/Start Menu/Programs/KAVELTO Time Reminder.lnk"
    folder = rf"C:\users\{user.parent.name}\AppData\Local\Programs\KAVELTO Time Reminder"
    values = entry()
    check(0 < int(values.pop("EstimatedSize", "0"), 16) < 2048, "no EstimatedSize in KiB")
    check(values == {
        "DisplayIcon": rf"{folder}\{PROGRAM},0", "DisplayName": "KAVELTO Time Reminder",
        "DisplayVersion": "1.00.0004", "InstallLocation": folder,
        "NoModify": "0x1", "NoRepair": "0x1", "Publisher": "KAVELTO Time Reminder developers",
        "QuietUninstallString": rf'"{folder}\Uninstall.exe" /S',
        "UninstallString": rf'"{folder}\Uninstall.exe"'}, f"the entry: {values}")
    check(PROGRAM.encode("utf-16-le") in shortcut.read_bytes(), "the shortcut is not the program's")
    started(wine, "installed", program=rf"{folder}\{PROGRAM}").close()  # once its window shows
    # It goes on from a copy of itself in the temporary folder.
    wine.run(rf"{folder}\Uninstall.exe", "/S")
    wait_until(lambda: not entry() and not shortcut.exists()
               and not any(user.glob("Local/Programs/*")), 30, "the uninstaller left some")


def twips(value, dpi):
    return value * dpi // 1440


def windows_at_the_screens_dpi(wine):
    """The windows at the screen's DPI: the controls' places and the OK picture scale with it,
    the pickers cascade from the main window, the Time Up window comes up centred."""
    dpi = wine.dpi
    p = started(wine, "look")
    try:
        shown = wait_until(lambda: p.text("Form1", "Label5"), 5, "the clock shows nothing")
        # A second later the whole window has been painted.
        wait_until(lambda: p.text("Form1", "Label5") != shown, 3, "the clock stands still")
        wine.screenshot("main-window", p.window("Form1"))
        for name, width, height in (("Text1", 615, 285), ("Command1", 855, 255)):
            _, _, (_, _, w, h) = p.control("Form1", name)
            check((w, h) == (twips(width, dpi), twips(height, dpi)), f"{name} is {w} x {h}")
        main_x, main_y, _, _ = p.window("Form1")
        for moves, form, shot, close in ((("Right", "Return"), "Form3", "auto-close-picker",
                                          "Command2"),
                                         (("Down", "Right", "Return"), "Form2",
                                          "auto-run-picker", "Command1")):
            menu(p, *moves)
            x, y, _, _ = p.wait_window(form)
            check(x - main_x == y - main_y > 0, f"{form} is not cascaded from the main window")
            wine.screenshot(shot, p.window(form))
            p.click(form, close)
            p.wait_hidden(form)
        arm_alarm(p, 6)
        x, y, w, h = p.wait_window("frmSplash", 20)
        check(abs(2 * x + w - wine.screen[0]) <= 2 and abs(2 * y + h - wine.screen[1]) <= 2,
              "the Time Up window is not centred on the screen")
        _, _, (_, _, w, h) = p.control("frmSplash", "Image1")
        check((w, h) == (twips(960, dpi), twips(705, dpi)), f"the OK picture is {w} x {h}")
        time_up(p, timeout=10)
    finally:
        p.close()


def use_leaves_no_objects_behind(wine):
    """100 language switches, 20 opened pickers and 20 expiries leave as many GDI and USER
    objects as the first of each left, and no notice's icon behind."""
    p = started(wine, "repeated-use")

    def use(switches, pickers, expiries):
        p.click_window("Form1", 200, 10)
        for _ in range(switches // 2):
            p.key("ctrl+i", "ctrl+e")
        for _ in range(pickers // 2):
            for moves, form, close in ((("Right", "Return"), "Form3", "Command2"),
                                       (("Down", "Right", "Return"), "Form2", "Command1")):
                menu(p, *moves)
                p.wait_window(form)
                p.click(form, close)
                p.wait_hidden(form)
        for _ in range(expiries):
            arm_alarm(p, 4)
            p.answer("Stop", "OK")
            p.click("frmSplash", "Image1")
            p.wait_hidden("frmSplash")

    try:
        use(2, 2, 1)
        first = p.objects()
        use(98, 18, 19)
        check(p.objects() == first, f"{first} objects after the first use, {p.objects()} after")
        check(p.wine.ask("icons") == "0", "notices' icons stayed")
    finally:
        p.close()


SUITES = {
    "everyday": [first_look_language_and_exit, both_pickers,
                 alarm_under("en_US.UTF-8", True), alarm_under("de_DE.UTF-8", False),
                 auto_shutdown,
                 auto_shutdown_failing("refused", "ended with status 1", REMINDER_EXIT_CODE="1"),
                 auto_shutdown_failing("hanging", "no answer from shutdown.exe within 30 s",
                                       REMINDER_DELAY_MS="4000000000"),
                 auto_shutdown_slow, countdown_of_one_minute, installed_and_removed,
                 session_ending_during_a_countdown],
    "repeated-use": [use_leaves_no_objects_behind],
    "look": [windows_at_the_screens_dpi],
}

if __name__ == "__main__":
    build, out, screen_grab, suite = sys.argv[1:5]
    sys.exit(run(SUITES[suite], build, out, screen_grab, int(sys.argv[5]) if sys.argv[5:] else 96))
