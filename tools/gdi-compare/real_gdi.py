"""Builds a program of this folder against the real Windows API and runs it
under Wine: the real-GDI half of compare and race."""
import atexit
import os
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def build(source):
    """The path of SOURCE (a file of this folder) built with MinGW for 64-bit Windows."""
    work = tempfile.mkdtemp(prefix="gdi-compare-")
    atexit.register(shutil.rmtree, work, True)
    exe = os.path.join(work, os.path.splitext(source)[0] + ".exe")
    subprocess.run(["x86_64-w64-mingw32-g++", "-std=c++20", "-O2", "-static", "-I", ROOT,
                    "-o", exe, os.path.join(HERE, source), "-lgdi32"], check=True)
    return exe


def command(exe):
    """The command and environment that run EXE under Wine, quietly, in a prefix of its own."""
    env = dict(os.environ, WINEDEBUG="-all")
    env.setdefault("WINEPREFIX", os.path.join(tempfile.gettempdir(), "wine-gdi-compare"))
    return ["wine", exe], env
