"""The keyboard and the language. Tab walks every control a user can reach, in the tab order
of the window definitions, skipping what is hidden or disabled at that moment; over the
states of the main window (idle, typed into, counting down, alarm armed) and in both pickers
every control is reached. The language switch, by menu and by shortcut, changes what a
screen reader reads on every caption."""

import e2e

PICKER = "Select Program"

# The controls of each window in the tab order of its definition: role, accessible name
# (None: any, the drive list is named by its drive) and which of that role and name.
MAIN_TABS = [("text", "Insert Minute", 0), ("push button", "Start", 0),
             ("text", "Insert Time", 0), ("text", "Text3", 0), ("radio button", "AM", 0),
             ("radio button", "PM", 0), ("text", "Text4", 0), ("push button", "Start", 1),
             ("text", "Hour", 0), ("text", "Minute", 0), ("text", "Second", 0),
             ("push button", "Cancel", 0), ("push button", "Cancel", 1), ("text", "Text8", 0)]
RUN_PICKER_TABS = [("combo box", None, 0), ("tree", "Folder", 0), ("list", "File", 0),
                   ("check box", "OK", 0), ("text", "Text1", 0), ("push button", "Cancel", 0)]
CLOSE_PICKER_TABS = [("check box", "Close Windows Media Player", 0),
                     ("check box", "Close Winamp", 0), ("check box", "Close Real Player", 0),
                     ("check box", "Close Explorer", 0), ("check box", "OK", 0),
                     ("push button", "Cancel", 0), ("text", "Text1", 0),
                     ("push button", "Back", 0)]
# What a screen reader reads on the switched captions, English then Indonesian.
CAPTIONS = [("label", "Countdown", "Penghitung Mundur"),
            ("label", "Insert Minute:", "Masukan Menit:"), ("label", "Minute", "Menit"),
            ("label", "Now:", "Waktu Sekarang:"), ("label", "Insert Time:", "Masukan Waktu:"),
            ("label", "Alarm", "Alarm"), ("push button", "Start", "Mulai"),
            ("push button", "Cancel", "Batal")]


def controls(s, window, order):
    return [s.wait(lambda: s.find_all(window, role), role)[nth] if name is None
            else s.find(window, role, name, nth) for role, name, nth in order]


def walk(s, title, window, order):
    """Tabs once round the window from its first reachable control; returns what it met."""
    every = controls(s, window, order)
    reachable = [c for c in every if {"showing", "enabled"} <= e2e.states(c)]
    e2e.check(reachable, f"nothing in {title} takes the keyboard")
    s.activate(title)
    first = reachable[0]
    if "focused" not in e2e.states(first):
        s.click(first)
        if first.getRoleName() == "combo box":
            s.key("Escape")  # the click opened its list
    s.expect_states(first, present={"focused"})
    met = []
    for expected in reachable[1:] + reachable[:1]:
        s.keys_to(title, "Tab")
        s.expect_states(expected, present={"focused"})
        met.append(every.index(expected))
    return {order[i] for i in met}


def typed(s, main, name, value):
    s.click(s.find(main, "text", name))
    s.type(value)


def test(args):
    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.window(e2e.APP)
        met = walk(s, e2e.APP, main, MAIN_TABS)  # idle: only the fields
        for name, value in (("Insert Minute", "5"), ("Hour", "11"), ("Minute", "59"),
                            ("Second", "59")):
            typed(s, main, name, value)
        met |= walk(s, e2e.APP, main, MAIN_TABS)
        s.click(s.find(main, "push button", "Start", 0))
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")
        s.click(s.find(main, "radio button", "PM"))
        met |= walk(s, e2e.APP, main, MAIN_TABS)  # counting down
        s.click(s.find(main, "push button", "Start", 1))
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")
        s.expect_states(s.find(main, "push button", "Cancel", 0), present={"enabled"})
        met |= walk(s, e2e.APP, main, MAIN_TABS)  # and the alarm armed
        never = [c for c in MAIN_TABS if c not in met]
        e2e.check(never == [("text", "Insert Time", 0), ("text", "Text3", 0),
                            ("text", "Text4", 0)],
                  f"controls of the main window no key reaches: {never}")

        for menu, order, holding in (("Auto Run Program ", RUN_PICKER_TABS, ("list", "File")),
                                     ("Auto Close Program", CLOSE_PICKER_TABS,
                                      ("check box", "Close Winamp"))):
            s.choose(main, "Tools", menu, "Select Program")
            picker = s.window(PICKER, holding=holding)
            met = walk(s, PICKER, picker, order)
            never = [c for c in order if c not in met]
            e2e.check(never in ([], [("text", "Text1", 0)]),  # the players' summary is hidden
                      f"controls of the picker no key reaches: {never}")
            s.click(s.find(picker, "push button", "Back" if "Close" in menu else "Cancel"))
            s.gone(picker)

        s.choose(main, "Languages", "Indonesian")
        for role, _, indonesian in CAPTIONS:
            s.wait(lambda: s.find_all(main, role, indonesian), f"{role} '{indonesian}'")
        languages = s.find(main, "menu item", "Languages")
        s.expect_states(s.find(languages, "menu item", "Indonesian"), present={"checked"})
        s.screenshot("indonesian")
        s.keys_to(e2e.APP, "ctrl+e")
        for role, english, _ in CAPTIONS:
            s.wait(lambda: s.find_all(main, role, english), f"{role} '{english}'")
        s.expect_states(s.find(languages, "menu item", "English"), present={"checked"})


e2e.run(test)
