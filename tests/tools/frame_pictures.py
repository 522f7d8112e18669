"""Running vellumtarn-frame on Freedoom and reading its pictures with PIL."""
import atexit
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops

TOOL, FREEDOOM = sys.argv[1], sys.argv[2]
WORK = tempfile.mkdtemp()
atexit.register(shutil.rmtree, WORK, ignore_errors=True)


def fail(message):
    sys.exit(message)


def frame(command, *arguments):
    """Runs a command on Freedoom with a fixed clock; its result."""
    return subprocess.run([TOOL, command, "--wad", FREEDOOM, "--clock", "3", *arguments],
                          capture_output=True, text=True)


def rendered(size, keys):
    path = os.path.join(WORK, "render.png")
    frame("render", "--size", size, "--keys", keys, "--out", path)
    return Image.open(path).convert("RGB")


def same(a, b):
    return ImageChops.difference(a.convert("RGB"), b.convert("RGB")).getbbox() is None


def expect_refusals(command, cases, written):
    """Each argument list must exit 2 with one line on stderr and no file."""
    for arguments in cases:
        result = frame(command, *arguments)
        if result.returncode != 2 or len(result.stderr.splitlines()) != 1:
            fail("%s %s: exit %d, stderr %r" % (command, arguments, result.returncode, result.stderr))
    if os.path.exists(written):
        fail("a refused %s wrote its file" % command)
