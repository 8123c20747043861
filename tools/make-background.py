#!/usr/bin/env python3
"""Builds the preview's built-in picture assets/hintergrund.jpg (460 x 66) with ImageMagick.

Dark blue running into violet, soft light streaks across it and white lettering at the left.
Everything is drawn from fixed numbers, so the same ImageMagick gives the same picture.
Run from anywhere: tools/make-background.py [output path]
"""
import os
import subprocess
import sys

WIDTH, HEIGHT = 460, 66
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def font_file(pattern):
    return subprocess.run(["fc-match", "-f", "%{file}", pattern], check=True,
                          capture_output=True, text=True).stdout


def streaks():
    """Thin light lines leaning to the right, each a polygon of its own brightness."""
    lines = []
    # (x at the top, lean over the height, width, opacity)
    for x, lean, width, opacity in [(150, 70, 2, 0.55), (175, 70, 7, 0.18), (205, 70, 1, 0.6),
                                    (262, 60, 14, 0.12), (300, 60, 2, 0.45), (318, 60, 1, 0.5),
                                    (372, 55, 22, 0.10), (410, 55, 2, 0.4), (436, 55, 6, 0.2)]:
        lines += ["-fill", f"rgba(225,215,255,{opacity})",
                  "-draw", f"polygon {x},0 {x + width},0 {x + width - lean},{HEIGHT} "
                           f"{x - lean},{HEIGHT}"]
    return lines


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "assets", "hintergrund.jpg")
    bold = font_file("Liberation Sans:bold")
    regular = font_file("Liberation Sans")
    size = f"{WIDTH}x{HEIGHT}"
    command = [
        "convert",
        # the ground: deep blue at the left, violet at the right, a little lighter at the top
        "-size", size, "xc:black", "-sparse-color", "bilinear",
        f"0,0 #16247a  0,{HEIGHT} #080e3a  {WIDTH},0 #8a5cc8  {WIDTH},{HEIGHT} #5a2c98",
        # a broad glow behind the middle, where the start text lies
        "(", "-size", size, "xc:none", "-fill", "rgba(175,140,255,0.55)",
        "-draw", "ellipse 300,22 190,30 0,360", "-blur", "0x16", ")",
        "-compose", "screen", "-composite",
        # the streaks, softened a little
        "(", "-size", size, "xc:none", *streaks(), "-blur", "0x0.8", ")",
        "-compose", "screen", "-composite",
        # a few faint sparks
        "(", "-size", size, "xc:none", "-fill", "rgba(255,255,255,0.8)",
        *sum((["-draw", f"circle {x},{y} {x + r},{y}"] for x, y, r in
              [(188, 9, 1), (246, 47, 1), (333, 14, 1), (391, 52, 1), (452, 8, 1),
               (128, 56, 1)]), []),
        "-blur", "0x0.7", ")", "-compose", "screen", "-composite",
        # the lettering: a dark shadow, a violet glow and the white letters
        "-compose", "over",
        "(", "-size", size, "xc:none", "-font", bold, "-pointsize", "30", "-fill", "black",
        "-annotate", "+13+49", "Tafomat", "-blur", "0x2", ")", "-composite",
        "(", "-size", size, "xc:none", "-font", bold, "-pointsize", "30",
        "-fill", "rgba(200,170,255,0.9)", "-annotate", "+11+47", "Tafomat", "-blur", "0x4", ")",
        "-compose", "screen", "-composite", "-compose", "over",
        "-font", bold, "-pointsize", "30", "-fill", "white", "-annotate", "+11+47", "Tafomat",
        "-font", regular, "-pointsize", "9", "-fill", "rgba(230,222,255,0.9)",
        "-annotate", "+13+60", "Signatur-Banner",
        "-strip", "-quality", "92", "-sampling-factor", "4:4:4", out,
    ]
    subprocess.run(command, check=True)


if __name__ == "__main__":
    main()
