"""Auto shutdown inside a real Xfce session: Debian's xfce4-session on the test's display, the
fake logind its system bus, the program started inside the session. After a one-minute
countdown with auto shutdown on, the session manager, asked by the program, ends the program
(at once, no box) and powers off through logind itself. xfce4-session takes logind only
where systemd keeps its seats; without them the test is skipped (status 77)."""

import os
import pathlib
import subprocess
import sys
import tempfile

import e2e
from fake_logind import FakeLogind
from shutdown_test import MAIN, start_countdown

# A session of one client, which tells the session manager's address to the program's start.
SESSION = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="general" type="empty">
    <property name="SaveOnExit" type="bool" value="false"/>
  </property>
  <property name="sessions" type="empty">
    <property name="Failsafe" type="empty">
      <property name="IsFailsafe" type="bool" value="true"/>
      <property name="Count" type="int" value="1"/>
      <property name="Client0_Command" type="array">
        <value type="string" value="sh"/>
        <value type="string" value="-c"/>
        <value type="string" value="echo &quot;$SESSION_MANAGER&quot; &gt; {address}"/>
      </property>
    </property>
  </property>
</channel>
"""


class XfceSession(e2e.Session):
    session = None

    def _start_display(self):
        super()._start_display()
        config = self.home / "config"
        channels = config / "xfce4" / "xfconf" / "xfce-perchannel-xml"
        channels.mkdir(parents=True)
        address = self.home / "session-manager"
        (channels / "xfce4-session.xml").write_text(SESSION.format(address=address))
        env = {"DISPLAY": self.display, "HOME": str(self.home), "XDG_RUNTIME_DIR": str(self.home),
               "XDG_CONFIG_HOME": str(config), "XDG_CONFIG_DIRS": str(self.home / "none"),
               "DBUS_SYSTEM_BUS_ADDRESS": self.extra_env["DBUS_SYSTEM_BUS_ADDRESS"]}
        subprocess.run(["dbus-update-activation-environment", *(f"{k}={v}" for k, v in env.items())],
                       check=True, timeout=10)
        self.session = subprocess.Popen(["xfce4-session"], env={**os.environ, **env},
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait(lambda: address.exists() and address.read_text().strip(), "xfce4-session",
                  timeout=30, while_running=False)
        self.extra_env["SESSION_MANAGER"] = address.read_text().strip()

    def __exit__(self, *exc):
        e2e.end(self.session)
        return super().__exit__(*exc)


def test(args):
    with tempfile.TemporaryDirectory(prefix="reminder-xfce-") as folder, \
            FakeLogind(folder, "yes") as logind, \
            XfceSession(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        start_countdown(s, s.wait_window(MAIN), warned=False)
        status = s.wait_exit(timeout=80)
        e2e.check(status == 0, f"the program ended with status {status}")
        s.wait(logind.power_off_callers, "logind asked to power off", timeout=30,
               while_running=False)
        e2e.check(logind.power_off_callers() == ["xfce4-session"],
                  f"PowerOff called by {logind.power_off_callers()}")
        e2e.check(logind.calls().count("PowerOff true") == 1, f"logind: {logind.calls()}")


if __name__ == "__main__":
    if not pathlib.Path("/run/systemd/seats").is_dir():
        print("skipped: xfce4-session powers off through logind only under systemd")
        sys.exit(77)
    arguments = e2e.arguments()
    e2e.report(lambda: test(arguments))
