#!/usr/bin/env python3
"""vellumtarn-frame render --svg: the drawing parses as SVG, holds the
paint's lines and text, and rsvg-convert's rasterisation matches the PNG
of the same paint. Tolerance: after a 3x3 box blur of both, under 0.1% of
the pixels may differ in luminance by more than 128 of 255. With the
system font's own Unifont the two differ on a few pixels in a million;
the drawing shifted by one pixel differs on 0.2%, a blank canvas on 6%."""
import os
import subprocess
import xml.etree.ElementTree as ElementTree

from PIL import Image, ImageChops, ImageFilter

from frame_pictures import WORK, expect_refusals, fail, frame

TOLERANCE = 0.001
PNG, SVG, RASTER = (os.path.join(WORK, name) for name in ("a.png", "a.svg", "a-svg.png"))


def differing(a, b):
    blurred = [p.convert("RGB").filter(ImageFilter.BoxBlur(1)) for p in (a, b)]
    histogram = ImageChops.difference(*blurred).convert("L").histogram()
    return sum(histogram[129:]) / sum(histogram)


result = frame("render", "--keys", "Home", "--out", PNG, "--svg", SVG)
if result.returncode != 0:
    fail("render --svg: %s" % result.stderr)
root = ElementTree.parse(SVG).getroot()
found = {tag: len(root.findall(".//{http://www.w3.org/2000/svg}" + tag)) for tag in ("path", "text")}
if found["path"] < 10 or found["text"] < 50:
    fail("the drawing holds too little: %s" % found)
texts = [t.text for t in root.iter("{http://www.w3.org/2000/svg}text")]
if not any(t.startswith("MaxDepth 100 MaxDraw 250") for t in texts):
    fail("no status line among the texts")

subprocess.run(["rsvg-convert", SVG, "-o", RASTER], check=True)
picture, raster = Image.open(PNG), Image.open(RASTER)
if raster.size != picture.size:
    fail("rasterised at %s, painted at %s" % (raster.size, picture.size))
share = differing(picture, raster)
if share >= TOLERANCE:
    fail("%.3f%% of the pixels differ" % (100 * share))
if differing(picture, Image.new("RGB", picture.size, "white")) < 2 * TOLERANCE:
    fail("the paint is too empty for the comparison to mean anything")

expect_refusals("render", [["--out", PNG + "x", "--svg"]], PNG + "x")
