"""Drives the real program the way a screen reader sees it: through the accessibility bus.
Controls are found by role and accessible name, read through their text, state and
selection, pressed through their actions, and typed into with the keyboard once they have
the focus.

    with a11y.Session(binary, tools, out) as s:
        main = s.window("KAVELTO Time Reminder")
        minutes = s.find(main, "text", "Insert Minute")
        s.focus(minutes); s.type("1")
        s.press(s.find(main, "push button", "Start"))

Run under dbus-run-session: Qt finds the accessibility bus through the session bus, which
starts it (at-spi2-core) on first use. Needs Debian's python3-pyatspi."""

import time

import pyatspi

import e2e

APP = "KAVELTO Time Reminder"
WINDOW_ROLES = ("frame", "dialog", "alert", "window")


def states(acc):
    """The names of the states an accessible is in: enabled, showing, focused, checked..."""
    state = acc.getState()
    return {name for name in ("enabled", "visible", "showing", "focused", "checked", "editable",
                              "focusable", "selected")
            if state.contains(getattr(pyatspi, "STATE_" + name.upper()))}


def text(acc):
    return acc.queryText().getText(0, -1)


def describe(acc):
    return f"{acc.getRoleName()} '{acc.name}'"


class Session(e2e.Session):
    """An end-to-end session whose program also answers on the accessibility bus."""

    def __init__(self, binary, tools, out, **kwargs):
        env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **kwargs.pop("env", {})}
        super().__init__(binary, tools, out, env=env, **kwargs)

    # -- finding ------------------------------------------------------------------------
    def wait(self, condition, what, timeout=10.0):
        """Polls `condition` until it returns something true, and returns that."""
        deadline = time.monotonic() + timeout
        while True:
            e2e.check(self.running(), f"the program ended while waiting for {what}")
            try:
                found = condition()
            except Exception:  # an accessible that went away while being looked at
                found = None
            if found:
                return found
            if time.monotonic() > deadline:
                raise e2e.Failure(f"no {what} within {timeout} s")
            time.sleep(0.05)

    def program(self):
        def registered():
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in desktop if a is not None and a.name == APP), None)
        return self.wait(registered, "program on the accessibility bus", timeout=20)

    def windows(self, name):
        """The program's windows of that name that are on screen."""
        return [w for w in self.program() if w is not None and w.getRoleName() in WINDOW_ROLES
                and w.name == name and "showing" in states(w)]

    def window(self, name, holding=None, timeout=10.0):
        """The window `name` on screen; with `holding` (role, name), the one that holds it."""
        def found():
            for w in self.windows(name):
                if holding is None or self.find_all(w, *holding):
                    return w
            return None
        return self.wait(found, f"window '{name}'", timeout)

    def gone(self, window, timeout=10.0):
        self.wait(lambda: "showing" not in states(window), f"{describe(window)} put away",
                  timeout)

    def find_all(self, root, role, name):
        found = []
        def walk(acc):
            for child in acc:
                if child is None:
                    continue
                if child.getRoleName() == role and child.name == name:
                    found.append(child)
                walk(child)
        walk(root)
        return found

    def find_all_roles(self, root, role):
        """Every control of that role under `root`, whatever its name."""
        found = []
        def walk(acc):
            for child in acc:
                if child is None:
                    continue
                if child.getRoleName() == role:
                    found.append(child)
                walk(child)
        walk(root)
        return found

    def find(self, root, role, name, nth=0):
        """The `nth` control of that role and accessible name under `root`, in tree order."""
        found = self.find_all(root, role, name)
        e2e.check(len(found) > nth, f"no {role} '{name}' (#{nth}) in {describe(root)}")
        return found[nth]

    def focused(self, root):
        """The control under `root` that has the keyboard focus."""
        def walk(acc):
            for child in acc:
                if child is None:
                    continue
                if "focused" in states(child) and child.getRoleName() not in ("panel", "filler"):
                    return child
                inner = walk(child)
                if inner is not None:
                    return inner
            return None
        return walk(root)

    # -- acting -------------------------------------------------------------------------
    def act(self, acc, *names):
        """Runs the first of the accessible's actions named `names` (Press, Toggle...)."""
        actions = acc.queryAction()
        offered = [actions.getName(i) for i in range(actions.nActions)]
        for name in names:
            if name in offered:
                actions.doAction(offered.index(name))
                return
        raise e2e.Failure(f"{describe(acc)} offers none of {names}, only {offered}")

    def press(self, acc):
        self.act(acc, "Press", "Toggle")

    def focus(self, acc):
        acc.queryComponent().grabFocus()
        self.wait(lambda: "focused" in states(acc), f"focus on {describe(acc)}")

    def activate(self, title):
        """Gives the keyboard to the window of that title: with no window manager a closed
        message box leaves it to no one."""
        self.xdotool("windowfocus", "--sync", self.wait_window(title))

    def keys_to(self, title, *keys):
        self.activate(title)
        self.key(*keys)

    def click_on(self, acc):
        """Clicks the middle of a control where the accessibility bus says it is."""
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.click(box.x + box.width // 2, box.y + box.height // 2)

    def answer(self, title, prompt, button):
        """Waits for the message box `title`, checks its prompt and presses `button`."""
        box = self.window(title, holding=("label", prompt))
        self.press(self.find(box, "push button", button))
        self.gone(box)

    # -- checking -----------------------------------------------------------------------
    def expect_states(self, acc, present=(), absent=(), timeout=5.0):
        """Waits until the accessible is in every state of `present` and none of `absent`."""
        def holds():
            now = states(acc)
            return set(present) <= now and not set(absent) & now
        self.wait(holds, f"{describe(acc)} with {sorted(present)} and without {sorted(absent)}"
                         f" (it is {sorted(states(acc))})", timeout)

    def expect_text(self, acc, expected, timeout=5.0):
        self.wait(lambda: text(acc) == expected,
                  f"{describe(acc)} reading '{expected}' (it reads '{text(acc)}')", timeout)

    def expect_name(self, acc, expected, timeout=5.0):
        self.wait(lambda: acc.name == expected,
                  f"{describe(acc)} named '{expected}'", timeout)
