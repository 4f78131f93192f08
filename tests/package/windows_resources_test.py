"""The Windows program file's resources: compiles the generated resource script with the MinGW
resource compiler and reads back what a Windows program file would carry, its version record
and its icon."""

import argparse
import pathlib
import struct
import subprocess
import tempfile

import pictures
from e2e import check, report

RT_ICON, RT_VERSION, RT_GROUP_ICON = 3, 16, 14

EXPECTED_STRINGS = {
    "ProductName": "KAVELTO Time Reminder",
    "InternalName": "KAVELTO Time Reminder",
    "OriginalFilename": "KAVELTO Time Reminder.exe",
    "FileDescription": "Remind Your Time & Auto Shutdown.",
    "Comments": "Include Auto Shutdown",
    "FileVersion": "1.00.0004",
    "ProductVersion": "1.00.0004",
}


def align4(at):
    return (at + 3) & ~3


def read_id(data, at):
    """A resource type or name: 0xFFFF and a number, or a nul-ended UTF-16 string."""
    if data[at:at + 2] == b"\xff\xff":
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while data[end:end + 2] != b"\x00\x00":
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def resources(data):
    """{(type, name): (language, bytes)} of a compiled .res file."""
    found, at = {}, 0
    while at + 8 <= len(data):
        size, header_size = struct.unpack_from("<II", data, at)
        kind, after = read_id(data, at + 8)
        name, after = read_id(data, after)
        after = align4(after)
        _, _, language = struct.unpack_from("<IHH", data, after)
        body = data[at + header_size:at + header_size + size]
        if size:
            found[(kind, name)] = (language, body)
        at = align4(at + header_size + size)
    return found


def version_node(data, at):
    """One node of a version record: (key, value bytes, type, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\x00\x00":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = align4(key_end + 2)
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[value_at:value_at + value_size]
    children, child = [], align4(value_at + value_size)
    while child < end:
        node = version_node(data, child)
        children.append(node)
        child = align4(node[4])
    return key, value, kind, children, end


def text(value):
    return value.decode("utf-16-le").rstrip("\x00")


def check_version_record(record):
    key, fixed, _, children, _ = version_node(record, 0)
    check(key == "VS_VERSION_INFO", f"the record is named {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, "the record has no fixed file information")
    numbers = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    check(numbers(file_ms, file_ls) == (1, 0, 0, 4), f"file version {numbers(file_ms, file_ls)}")
    check(numbers(product_ms, product_ls) == (1, 0, 0, 4),
          f"product version {numbers(product_ms, product_ls)}")

    blocks = {child[0]: child for child in children}
    check(set(blocks) == {"StringFileInfo", "VarFileInfo"}, f"blocks {sorted(blocks)}")
    tables = blocks["StringFileInfo"][3]
    check([t[0] for t in tables] == ["040904B0"], f"string tables {[t[0] for t in tables]}")
    strings = {node[0]: text(node[1]) for node in tables[0][3]}
    check(strings == EXPECTED_STRINGS, f"the strings are {strings}")
    translations = {node[0]: node[1] for node in blocks["VarFileInfo"][3]}
    check(translations == {"Translation": struct.pack("<HH", 0x0409, 1200)},
          f"the translation is {translations}")


def check_icon(found, png_path):
    groups = [body for (kind, _), (_, body) in found.items() if kind == RT_GROUP_ICON]
    check(len(groups) == 1, f"{len(groups)} icon groups")
    _, kind, count = struct.unpack_from("<HHH", groups[0])
    check((kind, count) == (1, 1), f"the icon group holds {count} images")
    width, height, _, _, _, bits, _, image_id = struct.unpack_from("<BBBBHHIH", groups[0], 6)
    check((width, height, bits) == (32, 32, 24), f"the icon is {width}x{height}, {bits} bits")

    _, image = found[(RT_ICON, image_id)]
    width, height, bits, rows, mask = pictures.read_icon_bitmap(image)
    check((width, height, bits) == (32, 32, 24), f"the icon image is {width}x{height}, {bits} bits")
    _, _, _, _, png_rows = pictures.read_png(png_path)
    check(rows == png_rows, "the icon's pixels differ from the window icon's")
    check(not any(mask), "the icon's mask leaves pixels transparent")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windres", required=True)
    parser.add_argument("--rc", required=True, help="the generated resource script")
    parser.add_argument("--png", required=True, help="the window icon")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        compiled = pathlib.Path(work) / "version_record.res"
        subprocess.run([args.windres, "--input", args.rc, "--output", str(compiled),
                        "--output-format", "res"], check=True)
        found = resources(compiled.read_bytes())

    def checks():
        versions = [(name, value) for (kind, name), value in found.items() if kind == RT_VERSION]
        check(len(versions) == 1, f"{len(versions)} version records")
        language, record = versions[0][1]
        check(language == 0x0409, f"the version record's language is {language:#06x}")
        check_version_record(record)
        check_icon(found, args.png)

    report(checks)


if __name__ == "__main__":
    main()
