"""What an installation puts in place, checked the same way for `cmake --install` and for the
Debian package: the program, its desktop entry, its icons and its AppStream record, each
accepted by the desktop's own validators."""

import configparser
import os
import pathlib
import subprocess
import xml.etree.ElementTree as ElementTree

import pictures
from e2e import Failure, check

COMMAND = "kavelto-time-reminder"


def files_under(root):
    root = pathlib.Path(root)
    return sorted(str(p.relative_to(root)) for p in root.rglob("*") if not p.is_dir())


def metainfo_file(root):
    found = list((pathlib.Path(root) / "usr/share/metainfo").glob("*.metainfo.xml"))
    check(len(found) == 1, f"{len(found)} AppStream records installed")
    return found[0]


def check_files(root):
    record = metainfo_file(root)
    expected = sorted([
        f"usr/bin/{COMMAND}",
        f"usr/share/applications/{COMMAND}.desktop",
        f"usr/share/doc/{COMMAND}/changelog.gz",
        f"usr/share/doc/{COMMAND}/copyright",
        f"usr/share/icons/hicolor/32x32/apps/{COMMAND}.png",
        f"usr/share/icons/hicolor/scalable/apps/{COMMAND}.svg",
        f"usr/share/man/man1/{COMMAND}.1.gz",
        f"usr/share/metainfo/{record.name}",
    ])
    listed = files_under(root)
    print("installed:", *listed, sep="\n  ")
    check(listed == expected, f"installed {listed}, expected {expected}")
    check(os.access(pathlib.Path(root) / expected[0], os.X_OK), "the program is not executable")


def check_desktop_entry(root):
    path = pathlib.Path(root) / f"usr/share/applications/{COMMAND}.desktop"
    result = subprocess.run(["desktop-file-validate", str(path)], capture_output=True, text=True)
    check(result.returncode == 0 and not result.stdout.strip(),
          f"desktop-file-validate: {result.stdout}{result.stderr}")
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path)
    fields = entry["Desktop Entry"]
    check(fields.get("Type") == "Application", "the entry is not an application")
    check(fields.get("Name") == "KAVELTO Time Reminder", f"Name is {fields.get('Name')!r}")
    check(fields.get("Comment") == "Remind Your Time & Auto Shutdown.",
          f"Comment is {fields.get('Comment')!r}")
    check(fields.get("Exec") == COMMAND, f"Exec is {fields.get('Exec')!r}")
    check(fields.get("Icon") == COMMAND, f"Icon is {fields.get('Icon')!r}")
    categories = fields.get("Categories", "").split(";")
    check("Utility" in categories and "Clock" in categories, f"Categories {categories}")


def check_icons(root):
    icons = pathlib.Path(root) / "usr/share/icons/hicolor"
    width, height, depth, colour, _ = pictures.read_png(icons / f"32x32/apps/{COMMAND}.png")
    check((width, height, depth, colour) == (32, 32, 8, 2),
          f"the icon is {width}x{height}, {depth} bits a channel, colour type {colour}")
    svg = ElementTree.parse(icons / f"scalable/apps/{COMMAND}.svg").getroot()
    check(svg.tag.endswith("svg") and svg.get("viewBox") == "0 0 32 32",
          "the scalable icon is not the 32 x 32 drawing")


def check_metainfo(root):
    result = subprocess.run(["appstreamcli", "validate-tree", "--no-net", str(root)],
                            capture_output=True, text=True)
    print(result.stdout)
    check(result.returncode == 0, f"appstreamcli validate-tree: {result.stdout}{result.stderr}")
    path = metainfo_file(root)
    record = ElementTree.parse(path).getroot()
    check(record.get("type") == "desktop-application", "not a desktop application")
    identity = record.findtext("id")
    check(path.name == f"{identity}.metainfo.xml", f"{path.name} holds the record of {identity}")
    check(record.findtext("name") == "KAVELTO Time Reminder", "the record's name")
    check(record.findtext("summary"), "the record has no summary")
    check(record.find("description/p") is not None, "the record has no description")
    check(record.findtext("launchable[@type='desktop-id']") == f"{COMMAND}.desktop",
          "the record does not launch the desktop entry")
    check(record.findtext("provides/binary") == COMMAND, "the record does not name the program")
    check(record.find("content_rating[@type='oars-1.1']") is not None, "no content rating")
    check(record.findtext("project_license"), "no licence")
    releases = [r.get("version") for r in record.findall("releases/release")]
    check(releases == ["1.0.0.4"], f"releases {releases}")
    image = record.findtext("screenshots/screenshot[@type='default']/image") or ""
    check(image.startswith("https://") and image.endswith(".png"), f"screenshot {image!r}")


def check_tree(root):
    check_files(root)
    check_desktop_entry(root)
    check_icons(root)
    check_metainfo(root)
