"""What the tests of the accessibility bus share: an X display of their own, and their last line."""
import atexit
import os
import subprocess
import sys


def start():
    """Xvfb on a free display, for this process and what it starts; ended as the test ends."""
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
    atexit.register(xvfb.terminate)


def finish(passed):
    print("1 passed, 0 failed" if passed else "0 passed, 1 failed")
    sys.exit(0 if passed else 1)
