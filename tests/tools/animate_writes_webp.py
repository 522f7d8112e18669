#!/usr/bin/env python3
"""vellumtarn-frame animate: PIL opens the file with the frames and size the
sweep or the walk asks for; a frame differs from the one before where the
step draws more, and equals render's picture of the same state."""
import os

from PIL import Image

from frame_pictures import WORK, expect_refusals, fail, frame, rendered, same

SIZE = "640x480"
OUT = os.path.join(WORK, "out.webp")
TREE_DEPTH = 23  # Freedoom's E1M1, as the nodes test reads it independently
VIEW = "Home"


def animation(*arguments):
    result = frame("animate", "--size", SIZE, *arguments, "--out", OUT)
    if result.returncode != 0:
        fail("animate %s: %s" % (arguments, result.stderr))
    picture = Image.open(OUT)
    if picture.size != (640, 480):
        fail("animate %s: size %s" % (arguments, picture.size))
    frames = []
    for i in range(picture.n_frames):
        picture.seek(i)
        frames.append(picture.convert("RGB"))
    return frames, result.stderr


def below_status(picture):
    """The status line names the limits, so every step changes it."""
    return picture.crop((0, 16, picture.width, picture.height))


def expect_growth(frames, steps, what):
    for i in steps:
        if same(below_status(frames[i]), below_status(frames[i + 1])):
            fail("%s: frames %d and %d are the same" % (what, i, i + 1))


# The whole tree: every level adds lines, and one past its depth the last
# subsectors; depths 0 and 1 both draw the root alone. F4 raises MaxDraw
# past the 487 subsectors, which the walk reaches all.
frames, progress = animation("--keys", VIEW + " F4*240", "--sweep", "depth")
if len(frames) != TREE_DEPTH + 2:
    fail("depth sweep of %d frames" % len(frames))
if not same(below_status(frames[0]), below_status(frames[1])):
    fail("depth 0 and depth 1 differ")
expect_growth(frames, range(1, TREE_DEPTH + 1), "depth sweep")
if "frame %d of %d" % (len(frames), len(frames)) not in progress:
    fail("no plain count on a standard error that is not a terminal: %r" % progress[-200:])

# F1 leaves MaxDepth 99 and the player's side alone, from where F1 presses
# reach any smaller depth in render.
frames, _ = animation("--keys", VIEW + " F1", "--sweep", "depth")
for depth in (0, 3, TREE_DEPTH + 1):
    if not same(frames[depth], rendered(SIZE, "%s F1*%d" % (VIEW, 100 - depth))):
        fail("depth sweep frame %d is not render's picture" % depth)

# F3 leaves MaxDraw 249 and the whole tree, from where F3 reaches less.
frames, _ = animation("--keys", VIEW + " F3", "--sweep", "draw")
if len(frames) != 487 + 1:
    fail("draw sweep of %d frames, not one per subsector and the empty one" % len(frames))
expect_growth(frames, (0, 1, 2, 100, 486), "draw sweep")
for count in (0, 5, 240):
    if not same(frames[count], rendered(SIZE, "%s F3*%d" % (VIEW, 250 - count))):
        fail("draw sweep frame %d is not render's picture" % count)

frames, _ = animation("--keys", VIEW, "--steps", "Up*3 PageDown F2", "--delay", "40")
if len(frames) != 5:
    fail("walk of %d frames" % len(frames))
expect_growth(frames, range(4), "walk")
if not same(frames[2], rendered(SIZE, VIEW + " Up*3")):
    fail("the walk's third frame is not render's picture")

expect_refusals("animate", [
    ["--sweep", "wide", "--out", OUT + "x"],
    ["--sweep", "depth", "--steps", "Up", "--out", OUT + "x"],
    ["--out", OUT + "x"],
    ["--sweep", "draw", "--delay", "0", "--out", OUT + "x"],
    ["--steps", "Up Jump", "--out", OUT + "x"],
    ["--sweep", "depth", "--map", "E1M0", "--out", OUT + "x"],
    ["--sweep", "depth"],
], OUT + "x")
