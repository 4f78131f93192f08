"""`cmake --install` puts the program in place as a desktop application."""

import argparse
import os
import subprocess
import tempfile

import installed_tree
from e2e import report


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="reminder-install-") as root:
        subprocess.run([args.cmake, "--install", args.build, "--prefix", "/usr"], check=True,
                       env={**os.environ, "DESTDIR": root}, stdout=subprocess.DEVNULL)
        report(lambda: installed_tree.check_tree(root))


if __name__ == "__main__":
    main()
