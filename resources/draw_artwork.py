#!/usr/bin/python3
"""Draws the ten editor pictures of Tarvolin (bitmap resources 128 to 137).

Run:  /usr/bin/python3 resources/draw_artwork.py [--scale 1|2] [--preview DIR]

Writes 128.bmp ... 137.bmp next to this script, and the same ten pictures at
twice the size (for high-density screens) into 2x/.  --scale draws only one
of the two sets.  With --preview, also writes PNG copies of every picture
and a composite of the editor (background with the controls pasted at their
places) into DIR (DIR/2x for the 2x set), for looking at the result.

Needs the Debian packages python3-pil and fonts-liberation.  The output is
deterministic: the brushed texture comes from a fixed-seed generator.
"""

import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFont, ImageOps

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/liberation"

# Shapes are drawn this many times larger and box-filtered down, which gives
# smooth edges while flat areas keep their exact colour (the control pictures
# are copied opaquely, so their background must match the panel exactly).
SS = 4

# Device pixels per logical pixel of the set being drawn.  All geometry below
# is in logical pixels (the editor's coordinates) and goes through px() or
# sp() on its way to a picture, so the 2x set is drawn at its own resolution
# rather than blown up, and device pixel (2x, 2y) is logical point (x, y).
# Multiplying by a power of two is exact in floating point: at 1x the helpers
# change no value, and at 2x every rounding happens where it does at 1x.
DENSITIES = (1, 2)
SCALE = 1


def px(v):
    """Logical to device pixels."""
    return v * SCALE


def sp(v):
    """Logical to supersampled pixels."""
    return v * SS * SCALE


def pixel_box(l, t, r, b):
    """Device box covering the logical pixels l..r, t..b (inclusive, as PIL
    boxes are)."""
    return [px(l), px(t), px(r + 1) - 1, px(b + 1) - 1]

# ---------------------------------------------------------------------------
# Palette.  No colour is pure white: white is the toolkit's transparent colour.
# ---------------------------------------------------------------------------
CHROME = (44, 48, 56)           # brushed frame around the sections
CHROME_GRAIN = 7                # +- amplitude of the brushed streaks
PANEL = (28, 32, 39)            # flat section fill; every control sits on it
PANEL_EDGE_HI = (66, 73, 86)    # lit upper/left edge of a section
PANEL_EDGE_LO = (14, 16, 20)    # shaded lower/right edge of a section
DIVIDER = (48, 54, 64)
SELECTOR_TICK = (84, 92, 106)
LABEL = (222, 226, 232)         # knob and control names
LABEL_DIM = (150, 160, 174)     # selector position names, captions
ACCENT = (255, 146, 44)         # section titles, value arcs, lit LEDs
ACCENT_SOFT = (150, 88, 34)
GROOVE = (12, 13, 16)           # value-arc track and selector slots
KNOB_TOP = (92, 99, 112)
KNOB_BOTTOM = (38, 42, 50)
KNOB_CAP_TOP = (70, 76, 88)
KNOB_CAP_BOTTOM = (46, 50, 59)
KNOB_SHADOW = (10, 11, 14)
POINTER = (240, 242, 245)
LED_OFF = (70, 42, 26)
LED_OFF_HI = (96, 60, 38)
LED_ON_HI = (255, 206, 150)
HANDLE_TOP = (190, 196, 206)
HANDLE_BOTTOM = (104, 110, 122)
PLATE_TOP = (70, 76, 88)        # name plate (the about area)
PLATE_BOTTOM = (40, 44, 52)
PLATE_HIGHLIGHT = (104, 112, 128)
ENGRAVE_SHADOW = (16, 18, 22)     # dark copy under engraved text
SCREW_HOLE = (24, 26, 31)
SCREW_HEAD = (112, 118, 130)
SCREW_SLOT = (40, 44, 52)
TAB_FILL = (36, 41, 50)          # the title tabs of the left column
ABOUT_TOP = (34, 39, 48)
ABOUT_BOTTOM = (14, 16, 21)

WHITE = (255, 255, 255)

# ---------------------------------------------------------------------------
# Picture sizes, as the editor divides them.
# ---------------------------------------------------------------------------
EDITOR_W, EDITOR_H = 676, 345
SMALL_KNOB = dict(w=34, frame_h=32, frames=37, strip_h=1186)
LARGE_KNOB = dict(w=46, frame_h=50, frames=37, strip_h=1848)
SELECTOR_4 = dict(w=10, image_h=46, positions=4)
SELECTOR_3 = dict(w=10, image_h=34, positions=3)
SELECTOR_5_VERTICAL = dict(w=10, image_h=34, positions=5)
SELECTOR_5_HORIZONTAL = dict(w=50, image_h=10, positions=5)
SMALL_TOGGLE = dict(w=10, image_h=11)
LARGE_TOGGLE = dict(w=75, image_h=20)
ABOUT_W, ABOUT_H = 400, 267

# The knob turns around (width / 2, width / 2) of its frame: the arc must be
# centred there, not in the middle of the (shorter or taller) frame.
SMALL_KNOB_GEOMETRY = dict(arc_r=14.0, arc_w=2.4, body_r=10.0, cap_r=7.6,
                           pointer=(3.2, 9.0), pointer_w=1.9, scale_dots=0)
LARGE_KNOB_GEOMETRY = dict(arc_r=18.5, arc_w=3.0, body_r=14.0, cap_r=11.0,
                           pointer=(4.5, 12.6), pointer_w=2.3, scale_dots=11)

ARC_START_DEG = 135.0   # value 0 at lower left (drawing angles run clockwise)
ARC_SPAN_DEG = 270.0    # gap of 90 degrees at the bottom

# What the editor places where (x, y of the top-left corner).  Kinds:
# knob, big_knob, sel4, sel3, sel5h, toggle, big_toggle.
#   label:      name on the panel; knobs have it centred below, the others
#               where `label_at` says (vertical selectors: above or below,
#               left-aligned; toggles: above, or above and right-aligned)
#   positions:  names of the selector positions, first position first; to
#               the right of vertical selectors, upright above horizontal ones
CONTROLS = [
    dict(index=0, kind="big_knob", x=615, y=18, label="VOLUME"),
    dict(index=1, kind="knob", x=121, y=266, label="MASTER PITCH"),
    dict(index=2, kind="knob", x=329, y=170, label="NOISE"),
    dict(index=5, kind="knob", x=262, y=122, label="LEVEL"),
    dict(index=6, kind="sel4", x=259, y=42, label="WAVE",
         label_at="above", positions=["Sin", "Tri", "Saw", "Rec"]),
    dict(index=7, kind="knob", x=262, y=170, label="FM"),
    dict(index=8, kind="knob", x=329, y=38, label="LEVEL"),
    dict(index=9, kind="knob", x=329, y=80, label="TUNE"),
    dict(index=10, kind="knob", x=329, y=122, label="FINE"),
    dict(index=11, kind="sel4", x=388, y=42, label="WAVE",
         label_at="above", positions=["Sin", "Tri", "Saw", "Rec"]),
    dict(index=12, kind="knob", x=388, y=122, label="FM"),
    dict(index=13, kind="knob", x=388, y=170, label="PWM"),
    dict(index=14, kind="knob", x=453, y=170, label="CUTOFF"),
    dict(index=15, kind="knob", x=493, y=170, label="RESO"),
    dict(index=16, kind="sel3", x=642, y=123, label="TYPE",
         label_at="above", positions=["LP", "BP", "HP"]),
    dict(index=17, kind="knob", x=573, y=170, label="KEY\nFOLLOW"),
    dict(index=18, kind="knob", x=80, y=38, label="RATE"),
    dict(index=19, kind="knob", x=195, y=38, label="AMOUNT"),
    dict(index=20, kind="sel4", x=25, y=25, label=None,
         positions=["Sin", "Tri", "Saw", "Rec"]),
    dict(index=21, kind="sel5h", x=130, y=50, label="DEST",
         positions=["FM", "OSC2", "PW", "OSC1/2", "Filter"]),
    dict(index=22, kind="toggle", x=217, y=21, label="ENV MODE",
         label_at="above_right"),
    dict(index=23, kind="knob", x=80, y=122, label="RATE"),
    dict(index=24, kind="knob", x=195, y=122, label="AMOUNT"),
    dict(index=25, kind="sel4", x=25, y=110, label=None,
         positions=["Sin", "Tri", "Saw", "Rec"]),
    dict(index=26, kind="sel3", x=143, y=123, label="DEST",
         label_at="below", positions=["OSC1/2", "Amp", "Filter"]),
    dict(index=27, kind="toggle", x=217, y=105, label="ENV MODE",
         label_at="above_right"),
    dict(index=28, kind="knob", x=453, y=38, label="ATTACK"),
    dict(index=29, kind="knob", x=493, y=38, label="DECAY"),
    dict(index=30, kind="knob", x=533, y=38, label="SUSTAIN"),
    dict(index=31, kind="knob", x=573, y=38, label="RELEASE"),
    dict(index=33, kind="knob", x=533, y=170, label="ENV\nAMOUNT"),
    dict(index=34, kind="knob", x=453, y=122, label="ATTACK"),
    dict(index=35, kind="knob", x=493, y=122, label="DECAY"),
    dict(index=36, kind="knob", x=533, y=122, label="SUSTAIN"),
    dict(index=37, kind="knob", x=573, y=122, label="RELEASE"),
    dict(index=38, kind="knob", x=195, y=208, label="AMOUNT"),
    dict(index=39, kind="sel3", x=25, y=208, label="DEST",
         label_at="below", positions=["OSC 2", "FM 2", "PW 2"]),
    dict(index=40, kind="toggle", x=167, y=220, label="INVERT",
         label_at="above"),
    dict(index=41, kind="knob", x=80, y=208, label="ATTACK"),
    dict(index=42, kind="knob", x=121, y=208, label="DECAY"),
    dict(index=43, kind="knob", x=613, y=170, label="LOW\nCUT"),
    dict(index=44, kind="knob", x=25, y=266, label="GLIDE"),
    dict(index=45, kind="big_toggle", x=584, y=271, label=None),
]

CONTROL_SIZES = {
    "knob": (SMALL_KNOB["w"], SMALL_KNOB["frame_h"]),
    "big_knob": (LARGE_KNOB["w"], LARGE_KNOB["frame_h"]),
    "sel4": (SELECTOR_4["w"], SELECTOR_4["image_h"]),
    "sel3": (SELECTOR_3["w"], SELECTOR_3["image_h"]),
    "sel5h": (SELECTOR_5_HORIZONTAL["w"], SELECTOR_5_HORIZONTAL["image_h"]),
    "toggle": (SMALL_TOGGLE["w"], SMALL_TOGGLE["image_h"]),
    "big_toggle": (LARGE_TOGGLE["w"], LARGE_TOGGLE["image_h"]),
}

# Clicking here opens the about picture; the name plate fills exactly this
# area so that what looks like a button is the button.
ABOUT_AREA = (259, 263, 509, 335)

# Sections: (title, (left, top, right, bottom), title placement).  The left
# column carries its titles on a vertical tab because the bottom section's
# knobs leave no room for a title row.
TAB_W = 15
MIDI_SECTION = "MIDI LEARN"
SECTIONS = [
    ("LFO 1", (6, 4, 236, 88), "tab"),
    ("LFO 2", (6, 91, 236, 177), "tab"),
    ("MOD ENV", (6, 180, 236, 258), "tab"),
    ("VOICE", (6, 261, 236, 339), "tab"),
    ("OSC 1", (246, 4, 314, 224), "top"),
    ("OSC 2", (318, 4, 440, 224), "top"),
    ("AMP ENVELOPE", (446, 4, 611, 88), "top"),
    ("MASTER", (613, 4, 670, 88), "top"),
    ("FILTER", (446, 91, 670, 224), "top"),
    (MIDI_SECTION, (520, 228, 670, 339), "top"),
]
TITLE_TOP_PAD = 3

TAGLINE = "MONOPHONIC  VIRTUAL  ANALOG  SYNTHESIZER"
TAGLINE_BASE = 249
PRODUCT = "Tarvolin"
VENDOR = "Halbrook"


# ---------------------------------------------------------------------------
# Fonts and small drawing helpers
# ---------------------------------------------------------------------------
def font(name, size):
    """The font at `size` logical pixels, for the set being drawn."""
    key = (name, size, SCALE)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_DIR, name + ".ttf"),
                                         px(size))
    return _fonts[key]


_fonts = {}

FONT_TITLE = ("LiberationSans-Bold", 10)
FONT_LABEL = ("LiberationSansNarrow-Bold", 10)
FONT_POSITION = ("LiberationSans-Regular", 9)
FONT_CAPTION = ("LiberationSans-Regular", 9)
FONT_TAGLINE = ("LiberationSans-Bold", 9)

TITLE_SPACING = 1.4   # extra pixels between letters of section titles
TITLE_SPACING_TIGHT = 0.5
ROTATED_SPACING = 0.6  # between the letters of the upright position names


def vertical_gradient(size, top, bottom):
    ramp = Image.linear_gradient("L").resize(size, Image.BILINEAR)
    return ImageOps.colorize(ramp, black=top, white=bottom)


def supersampled(w, h, fill):
    """Canvas for a w x h (logical) picture, in supersampled pixels."""
    return Image.new("RGB", (sp(w), sp(h)), fill)


def shrink(img):
    return img.resize((img.width // SS, img.height // SS), Image.BOX)


def circle_box(cx, cy, r):
    """Box for a circle of radius r around (cx, cy), in supersampled pixels."""
    return [sp(cx - r), sp(cy - r), sp(cx + r) - 1, sp(cy + r) - 1]


def paste_disc(img, cx, cy, r, fill_img):
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).ellipse(circle_box(cx, cy, r), fill=255)
    img.paste(fill_img, (0, 0), mask)


def spaced_text_width(text, fnt, spacing):
    """In device pixels, as fnt and spacing are."""
    return sum(fnt.getlength(c) for c in text) + spacing * (len(text) - 1)


def draw_spaced_text(draw, xy, text, fnt, fill, spacing):
    """Letter-spaced text; xy is the left end of the baseline, in device
    pixels like the spacing."""
    x, y = xy
    for c in text:
        draw.text((x, y), c, font=fnt, fill=fill, anchor="ls")
        x += fnt.getlength(c) + spacing


class Labels:
    """Places text on the background and remembers where, so the layout can
    be checked for text running into controls or into other text.  Positions
    are logical unless a method says otherwise; the boxes kept are in device
    pixels."""

    def __init__(self, img):
        self.img = img
        self.draw = ImageDraw.Draw(img)
        self.boxes = []

    def text(self, xy, text, fnt, fill, anchor="ls"):
        return self.device_text((px(xy[0]), px(xy[1])), text, fnt, fill, anchor)

    def device_text(self, xy, text, fnt, fill, anchor):
        box = self.draw.textbbox(xy, text, font=fnt, anchor=anchor)
        self.draw.text(xy, text, font=fnt, fill=fill, anchor=anchor)
        self.boxes.append((text, box))
        return box

    def centred_lines(self, cx, top, text, fnt, fill, line_h):
        """Lines centred on cx; `top` is where the capitals of line 1 begin."""
        ascent = fnt.getbbox("H", anchor="ls")[1]
        for i, line in enumerate(text.split("\n")):
            self.device_text((px(cx), px(top) - ascent + i * px(line_h)), line,
                             fnt, fill, "ms")

    def device_spaced(self, xy, text, fnt, fill, spacing):
        """Letter-spaced text; xy and spacing in device pixels, as the width
        the caller measured to place it."""
        x, y = xy
        width = spaced_text_width(text, fnt, spacing)
        draw_spaced_text(self.draw, xy, text, fnt, fill, spacing)
        top = y + fnt.getbbox(text, anchor="ls")[1]
        self.boxes.append((text, (int(x), int(top), int(math.ceil(x + width)), int(y))))

    def rotated(self, anchor_xy, text, fnt, fill, bg):
        """Text reading upwards; anchor_xy is the bottom centre of the column."""
        l, t, r, b = fnt.getbbox(text, anchor="ls")
        # a little air between the letters keeps thin ones (the "il" of
        # "Filter") apart at this size
        spacing = px(ROTATED_SPACING)
        width = int(math.ceil(spaced_text_width(text, fnt, spacing)))
        tile = Image.new("RGB", (width + px(2), b - t + px(2)), bg)
        draw_spaced_text(ImageDraw.Draw(tile), (px(1) - l, px(1) - t), text, fnt,
                         fill, spacing)
        tile = tile.rotate(90, expand=True)
        ascent = -t
        # the baseline becomes the right side of the column; centre the
        # capitals (not the descender room) on the column
        x = int(round(px(anchor_xy[0]) - ascent / 2.0)) - px(1)
        y = px(anchor_xy[1]) - tile.height
        self.img.paste(tile, (x, y))
        self.boxes.append((text, (x + px(1), y + px(1), x + tile.width - px(1),
                                  y + tile.height - px(1))))


# ---------------------------------------------------------------------------
# Knobs (129 and 130)
# ---------------------------------------------------------------------------
def knob_body(w, h, cx, cy, g):
    """The part of a knob that does not turn, as an RGBA layer."""
    layer = Image.new("RGBA", (sp(w), sp(h)), (0, 0, 0, 0))
    shadow = Image.new("RGBA", layer.size, KNOB_SHADOW + (255,))
    paste_disc(layer, cx, cy + 0.9, g["body_r"] + 0.8, shadow)
    # the gradient spans the body only, so it is lit from the body's top
    top = int(sp(cy - g["body_r"]))
    span = int(sp(2 * g["body_r"]))
    ramp = vertical_gradient((layer.width, span), KNOB_TOP, KNOB_BOTTOM)
    body = Image.new("RGBA", layer.size, KNOB_BOTTOM + (255,))
    body.paste(ramp, (0, top))
    paste_disc(layer, cx, cy, g["body_r"], body)
    cap_span = int(sp(2 * g["cap_r"]))
    cap_ramp = vertical_gradient((layer.width, cap_span), KNOB_CAP_TOP,
                                 KNOB_CAP_BOTTOM)
    cap = Image.new("RGBA", layer.size, KNOB_CAP_BOTTOM + (255,))
    cap.paste(cap_ramp, (0, int(sp(cy - g["cap_r"]))))
    paste_disc(layer, cx, cy, g["cap_r"], cap)
    return layer


def knob_frame(w, h, value, g, body):
    img = supersampled(w, h, PANEL)
    draw = ImageDraw.Draw(img)
    cx = cy = w / 2.0
    arc_w = int(round(sp(g["arc_w"])))
    box = circle_box(cx, cy, g["arc_r"] + g["arc_w"] / 2.0)
    draw.arc(box, ARC_START_DEG, ARC_START_DEG + ARC_SPAN_DEG, fill=GROOVE,
             width=arc_w)
    if value > 0:
        draw.arc(box, ARC_START_DEG, ARC_START_DEG + ARC_SPAN_DEG * value,
                 fill=ACCENT, width=arc_w)
    for i in range(g["scale_dots"]):
        a = math.radians(ARC_START_DEG + ARC_SPAN_DEG * i / (g["scale_dots"] - 1))
        r = g["arc_r"] + g["arc_w"] + 1.6
        draw.ellipse(circle_box(cx + r * math.cos(a), cy + r * math.sin(a), 0.75),
                     fill=LABEL_DIM)
    img.paste(body, (0, 0), body)
    a = math.radians(ARC_START_DEG + ARC_SPAN_DEG * value)
    r0, r1 = g["pointer"]
    p0 = (cx + r0 * math.cos(a), cy + r0 * math.sin(a))
    p1 = (cx + r1 * math.cos(a), cy + r1 * math.sin(a))
    pw = g["pointer_w"]
    draw.line([(sp(p0[0]), sp(p0[1])), (sp(p1[0]), sp(p1[1]))],
              fill=POINTER, width=int(round(sp(pw))))
    for p in (p0, p1):
        draw.ellipse(circle_box(p[0], p[1], pw / 2.0), fill=POINTER)
    return shrink(img)


def knob_strip(shape, geometry):
    """Frame i shows value i / (frames - 1); the strip is cut or padded to
    the picture height the editor expects."""
    w, fh, n = shape["w"], shape["frame_h"], shape["frames"]
    body = knob_body(w, fh, w / 2.0, w / 2.0, geometry)
    strip = Image.new("RGB", (px(w), px(fh * n)), PANEL)
    for i in range(n):
        strip.paste(knob_frame(w, fh, i / (n - 1.0), geometry, body), (0, px(i * fh)))
    out = Image.new("RGB", (px(w), px(shape["strip_h"])), PANEL)
    out.paste(strip.crop((0, 0, px(w), px(min(fh * n, shape["strip_h"])))), (0, 0))
    return out


def picture_129():
    return knob_strip(SMALL_KNOB, SMALL_KNOB_GEOMETRY)


def picture_130():
    return knob_strip(LARGE_KNOB, LARGE_KNOB_GEOMETRY)


# ---------------------------------------------------------------------------
# Selectors (131, 132, 134, 135) and toggles (133, 136)
# ---------------------------------------------------------------------------
def selector_image(length, positions, chosen, horizontal=False):
    """One picture of a slide selector: a slot with a handle on the chosen
    position.  Drawn upright; horizontal ones are turned afterwards."""
    w = 10
    img = supersampled(w, length, PANEL)
    draw = ImageDraw.Draw(img)
    zone = length / float(positions)
    draw.rounded_rectangle([sp(3.0), sp(1.0), sp(7.0) - 1, sp(length - 1.0) - 1],
                           radius=sp(2), fill=GROOVE)
    for k in range(positions):
        c = (k + 0.5) * zone
        for x0, x1 in ((0.0, 1.4), (8.6, 10.0)):
            draw.rectangle([sp(x0), sp(c - 0.5), sp(x1) - 1, sp(c + 0.5) - 1],
                           fill=SELECTOR_TICK)
    c = (chosen + 0.5) * zone
    half = min(3.5, zone / 2.0 - 0.6)
    handle = vertical_gradient((int(sp(9)), int(sp(2 * half))), HANDLE_TOP,
                               HANDLE_BOTTOM)
    mask = Image.new("L", handle.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, handle.width - 1, handle.height - 1],
                                           radius=int(sp(1.5)), fill=255)
    shadow = Image.new("RGB", handle.size, KNOB_SHADOW)
    img.paste(shadow, (int(sp(0.5)), int(sp(c - half + 0.8))), mask)
    img.paste(handle, (int(sp(0.5)), int(sp(c - half))), mask)
    draw.rectangle([sp(1.5), sp(c - 0.75), sp(8.5) - 1, sp(c + 0.75) - 1],
                   fill=ACCENT)
    out = shrink(img)
    if horizontal:
        out = out.transpose(Image.ROTATE_90)
    return out


def selector_strip(shape, horizontal=False):
    n = shape["positions"]
    length = shape["w"] if horizontal else shape["image_h"]
    strip = Image.new("RGB", (px(shape["w"]), px(shape["image_h"] * n)), PANEL)
    for k in range(n):
        strip.paste(selector_image(length, n, k, horizontal),
                    (0, px(k * shape["image_h"])))
    return strip


def picture_131():
    return selector_strip(SELECTOR_4)


def picture_132():
    return selector_strip(SELECTOR_3)


def picture_134():
    return selector_strip(SELECTOR_5_VERTICAL)


def picture_135():
    return selector_strip(SELECTOR_5_HORIZONTAL, horizontal=True)


def led(draw, box, on):
    """An LED in a dark bezel; box is in supersampled pixels."""
    l, t, r, b = box
    one = sp(1)
    draw.rounded_rectangle(box, radius=one, fill=GROOVE)
    inner = [l + one, t + one, r - one, b - one]
    glint = [inner[0] + one, inner[1] + one // 2, inner[2] - one, inner[1] + 2 * one]
    if on:
        draw.rounded_rectangle(inner, radius=one, fill=ACCENT)
        draw.rounded_rectangle(glint, radius=one // 2, fill=LED_ON_HI)
    else:
        draw.rounded_rectangle(inner, radius=one, fill=LED_OFF)
        draw.rounded_rectangle(glint, radius=one // 2, fill=LED_OFF_HI)


def picture_133():
    w, h = SMALL_TOGGLE["w"], SMALL_TOGGLE["image_h"]
    strip = Image.new("RGB", (px(w), px(2 * h)), PANEL)
    for state in (0, 1):
        img = supersampled(w, h, PANEL)
        draw = ImageDraw.Draw(img)
        draw.rounded_rectangle([0, 0, sp(w) - 1, sp(h) - 1], radius=sp(2),
                               fill=PANEL_EDGE_HI)
        led(draw, [sp(1), sp(1), sp(w - 1) - 1, sp(h - 1) - 1], state == 1)
        strip.paste(shrink(img), (0, px(state * h)))
    return strip


def picture_136():
    w, h = LARGE_TOGGLE["w"], LARGE_TOGGLE["image_h"]
    strip = Image.new("RGB", (px(w), px(2 * h)), PANEL)
    for state in (0, 1):
        img = supersampled(w, h, PANEL)
        draw = ImageDraw.Draw(img)
        mask = Image.new("L", img.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, sp(w) - 1, sp(h) - 1],
                                               radius=sp(3), fill=255)
        img.paste(KNOB_SHADOW, (0, 0), mask)
        face = vertical_gradient(img.size, KNOB_TOP, KNOB_BOTTOM)
        mask = Image.new("L", img.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([sp(1), sp(1), sp(w - 1) - 1,
                                                sp(h - 1.5) - 1],
                                               radius=sp(3), fill=255)
        img.paste(face, (0, 0), mask)
        led(draw, [sp(5), sp(6), sp(17) - 1, sp(13) - 1], state == 1)
        small = shrink(img)
        d = ImageDraw.Draw(small)
        d.text((px(45), px(13.5)), "LEARN", font=font(*FONT_LABEL),
               fill=ACCENT if state else LABEL, anchor="ms")
        strip.paste(small, (0, px(state * h)))
    return strip


# ---------------------------------------------------------------------------
# Background (128)
# ---------------------------------------------------------------------------
def brushed(size, base, grain, seed):
    """Horizontal brushed-metal streaks: coarse noise stretched sideways,
    plus a little fine grain.  size is logical; the streaks keep their
    logical length but are one device pixel thin at every density."""
    w, h = size
    dw, dh = px(w), px(h)
    rnd = random.Random(seed)
    coarse_w = max(1, w // 24)
    coarse = Image.new("L", (coarse_w, dh))
    coarse.putdata([128 + rnd.randint(-grain, grain) * 8 for _ in range(coarse_w * dh)])
    coarse = coarse.resize((dw, dh), Image.BICUBIC)
    fine = [rnd.randint(-2, 2) for _ in range(dw * dh)]
    pixels = []
    for i, c in enumerate(coarse.getdata()):
        d = (c - 128) / 8.0 + fine[i]
        pixels.append(tuple(max(0, min(250, int(round(v + d)))) for v in base))
    img = Image.new("RGB", (dw, dh))
    img.putdata(pixels)
    return img


def control_rect(c):
    """Where the editor places control c, in logical pixels."""
    w, h = CONTROL_SIZES[c["kind"]]
    return (c["x"], c["y"], c["x"] + w, c["y"] + h)


def device_rect(rect):
    return tuple(px(v) for v in rect)


def section_panel(img, rect):
    l, t, r, b = rect
    draw = ImageDraw.Draw(img)
    draw.rectangle(pixel_box(l, t, r - 1, b - 1), fill=PANEL_EDGE_LO)
    draw.rectangle(pixel_box(l, t, r - 1, t), fill=PANEL_EDGE_HI)
    draw.rectangle(pixel_box(l, t, l, b - 1), fill=PANEL_EDGE_HI)
    draw.rectangle(pixel_box(l + 1, t + 1, r - 2, b - 2), fill=PANEL)


def section_title(labels, title, rect, placement):
    l, t, r, b = rect
    draw = labels.draw
    title_font = font(*FONT_TITLE)
    spacing = px(TITLE_SPACING)
    if placement == "tab":
        draw.rectangle(pixel_box(l + 1, t + 1, l + TAB_W, b - 2), fill=TAB_FILL)
        draw.rectangle(pixel_box(l + TAB_W + 1, t + 1, l + TAB_W + 1, b - 2),
                       fill=ACCENT_SOFT)
        width = spaced_text_width(title, title_font, spacing)
        tile_w = int(math.ceil(width)) + px(2)
        tile = Image.new("RGB", (tile_w, px(TAB_W)), TAB_FILL)
        draw_spaced_text(ImageDraw.Draw(tile), (px(1), px(11)), title, title_font,
                         ACCENT, spacing)
        tile = tile.rotate(90, expand=True)
        x = px(l + 1)
        y = int(round(px((t + b) / 2.0) - tile.height / 2.0))
        labels.img.paste(tile, (x, y))
        labels.boxes.append((title, (x, y, x + tile.width, y + tile.height)))
    else:
        base = px(t + TITLE_TOP_PAD + 9)
        width = spaced_text_width(title, title_font, spacing)
        if px(l + 6) + width + px(12) < px(r - 6):
            labels.device_spaced((px(l + 6), base), title, title_font, ACCENT, spacing)
            draw.rectangle([px(l + 6) + width + px(5), base - px(3),
                            px(r - 6 + 1) - 1, base - px(3) + px(1) - 1], fill=DIVIDER)
        else:
            # no room for the rule: centre the title, letters closer together
            spacing = px(TITLE_SPACING_TIGHT)
            width = spaced_text_width(title, title_font, spacing)
            labels.device_spaced((px((l + r) / 2.0) - width / 2.0, base), title,
                                 title_font, ACCENT, spacing)


def control_labels(labels, c):
    """Names of a control and of its positions, placed where the layout
    leaves room for them."""
    x, y, r, b = control_rect(c)
    kind = c["kind"]
    label = c.get("label")
    cx = (x + r) / 2.0
    label_font = font(*FONT_LABEL)
    position_font = font(*FONT_POSITION)
    if kind in ("knob", "big_knob") and label:
        labels.centred_lines(cx, b + 2, label, label_font, LABEL, 10)
    elif kind in ("sel4", "sel3"):
        n = len(c["positions"])
        zone = (b - y) / float(n)
        for k, name in enumerate(c["positions"]):
            mid = y + (k + 0.5) * zone
            labels.text((r + 3, mid + 3.5), name, position_font, LABEL_DIM, "ls")
        if c.get("label_at") == "below":
            labels.text((x, b + 11), label, label_font, LABEL, "ls")
        elif label:
            labels.text((x, y - 4), label, label_font, LABEL, "ls")
    elif kind == "sel5h":
        zone = (r - x) / float(len(c["positions"]))
        for k, name in enumerate(c["positions"]):
            labels.rotated((int(x + (k + 0.5) * zone), y - 3), name, position_font,
                           LABEL_DIM, PANEL)
        labels.centred_lines(cx, b + 3, label, label_font, LABEL, 10)
    elif kind == "toggle":
        if c.get("label_at") == "above_right":
            labels.text((r, y - 3), label, label_font, LABEL, "rs")
        else:
            labels.centred_lines(cx, y - 10, label, label_font, LABEL, 10)


def name_plate(img):
    l, t, r, b = ABOUT_AREA
    draw = ImageDraw.Draw(img)
    draw.rounded_rectangle(pixel_box(l - 1, t - 1, r, b), radius=px(5),
                           fill=PANEL_EDGE_LO)
    plate = vertical_gradient((px(r - l), px(b - t)), PLATE_TOP, PLATE_BOTTOM)
    mask = Image.new("L", plate.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, plate.width - 1, plate.height - 1],
                                           radius=px(5), fill=255)
    img.paste(plate, (px(l), px(t)), mask)
    draw.rectangle(pixel_box(l + 5, t, r - 6, t), fill=PLATE_HIGHLIGHT)
    logo = font("LiberationSans-BoldItalic", 36)
    cx = (l + r) // 2
    draw.text((px(cx + 1), px(t + 42)), PRODUCT, font=logo, fill=ENGRAVE_SHADOW,
              anchor="ms")
    draw.text((px(cx), px(t + 41)), PRODUCT, font=logo, fill=ACCENT, anchor="ms")
    vendor = font("LiberationSans-Bold", 10)
    spacing = px(3)
    width = spaced_text_width(VENDOR.upper(), vendor, spacing)
    draw_spaced_text(draw, (px(cx) - width / 2.0, px(t + 58)), VENDOR.upper(), vendor,
                     LABEL, spacing)
    for sx in (l + 8, r - 9):
        for sy in (t + 8, b - 9):
            screw(draw, sx, sy)


def screw(draw, x, y):
    draw.ellipse(pixel_box(x - 3, y - 3, x + 3, y + 3), fill=SCREW_HOLE)
    draw.ellipse(pixel_box(x - 2, y - 2, x + 2, y + 2), fill=SCREW_HEAD)
    draw.line([(px(x - 2), px(y + 1) + px(1) - 1), (px(x + 1) + px(1) - 1, px(y - 2))],
              fill=SCREW_SLOT, width=px(1))


def picture_128():
    img = brushed((EDITOR_W, EDITOR_H), CHROME, CHROME_GRAIN, seed=128)
    labels = Labels(img)
    for _, rect, _ in SECTIONS:
        section_panel(img, rect)
    for title, rect, placement in SECTIONS:
        section_title(labels, title, rect, placement)
    for c in CONTROLS:
        control_labels(labels, c)
    # the tagline sits in the brushed band above the name plate
    draw = labels.draw
    l, t, r, b = ABOUT_AREA
    tagline_font = font(*FONT_TAGLINE)
    spacing = px(1.0)
    width = spaced_text_width(TAGLINE, tagline_font, spacing)
    x0 = px((l + r) / 2.0) - width / 2.0
    draw_spaced_text(draw, (x0 + px(1), px(TAGLINE_BASE + 1)), TAGLINE, tagline_font,
                     ENGRAVE_SHADOW, spacing)
    draw_spaced_text(draw, (x0, px(TAGLINE_BASE)), TAGLINE, tagline_font, LABEL_DIM,
                     spacing)
    name_plate(img)
    midi = next(rect for title, rect, _ in SECTIONS if title == MIDI_SECTION)
    learn = next(c for c in CONTROLS if c["index"] == 45)
    lx, ly, lr, lb = control_rect(learn)
    for i, line in enumerate(["Switch on, touch a control,",
                              "then move a MIDI controller",
                              "to assign it."]):
        labels.text(((midi[0] + midi[2]) / 2.0, lb + 16 + 11 * i), line,
                    font(*FONT_CAPTION), LABEL_DIM, "ms")
    check_layout(img, labels.boxes)
    return img


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def check_layout(img, text_boxes):
    """Stops the run when text would be covered by a control, when two texts
    collide, or when a control would not sit on plain panel colour.  Works
    in device pixels: the edges and the ring around a control are px(1)
    wide."""
    one = px(1)
    rects = [(c["index"], device_rect(control_rect(c))) for c in CONTROLS]
    sections = [device_rect(rect) for _, rect, _ in SECTIONS]
    problems = []
    for text, box in text_boxes:
        if not any(l + one <= box[0] and t + one <= box[1] and box[2] <= r - one
                   and box[3] <= b - one for l, t, r, b in sections):
            problems.append("text %r %s runs out of its section" % (text, box))
    for text, box in text_boxes:
        for index, rect in rects:
            if overlaps(box, rect):
                problems.append("text %r %s under control %d %s" % (text, box, index, rect))
    for i, (ta, a) in enumerate(text_boxes):
        for tb, b in text_boxes[i + 1:]:
            if overlaps(a, b):
                problems.append("texts %r %s and %r %s collide" % (ta, a, tb, b))
    pixels = img.load()
    for index, (l, t, r, b) in rects:
        for yy in range(t - one, b + one):
            for xx in range(l - one, r + one):
                if pixels[xx, yy] != PANEL:
                    problems.append("control %d: background at (%d, %d) is %s, not "
                                    "the panel colour" % (index, xx, yy, pixels[xx, yy]))
                    break
            else:
                continue
            break
    if problems:
        raise SystemExit("layout problems:\n  " + "\n  ".join(problems))


# ---------------------------------------------------------------------------
# About picture (137)
# ---------------------------------------------------------------------------
def picture_137():
    w, h = ABOUT_W, ABOUT_H
    # a sine that feeds back into its own phase until it leans into a saw:
    # how the instrument's oscillators make their shapes
    wave_y, amp, left, right = 128, 13, 28, w - 28
    pts, prev, out = [], 0.0, 0.0
    for i in range((right - left) * 8 + 1):
        t = i / float((right - left) * 8)
        prev, out = out, math.sin(t * 5.5 * 2 * math.pi + 1.3 * t * (out + prev) / 2)
        pts.append((sp(left + i / 8.0), sp(wave_y - amp * out)))
    big = vertical_gradient((sp(w), sp(h)), ABOUT_TOP, ABOUT_BOTTOM)
    ImageDraw.Draw(big).line(pts, fill=ACCENT_SOFT, width=sp(2))
    img = shrink(big)
    draw = ImageDraw.Draw(img)
    draw.rectangle(pixel_box(0, 0, w - 1, h - 1), outline=ACCENT_SOFT, width=px(1))
    draw.rectangle(pixel_box(1, 1, w - 2, h - 2), outline=GROOVE, width=px(1))
    logo = font("LiberationSans-BoldItalic", 52)
    draw.text((px(w // 2 + 2), px(74)), PRODUCT, font=logo, fill=ENGRAVE_SHADOW,
              anchor="ms")
    draw.text((px(w // 2), px(72)), PRODUCT, font=logo, fill=ACCENT, anchor="ms")
    vendor = font("LiberationSans-Bold", 13)
    spacing = px(4)
    width = spaced_text_width(VENDOR.upper(), vendor, spacing)
    draw_spaced_text(draw, (px(w / 2.0) - width / 2.0, px(96)), VENDOR.upper(), vendor,
                     LABEL, spacing)
    heading = font("LiberationSans-Bold", 12)
    caption = font(*FONT_CAPTION)
    draw.text((px(w // 2), px(168)), "Monophonic virtual-analog synthesizer",
              font=heading, fill=LABEL, anchor="ms")
    draw.text((px(w // 2), px(184)), "VST 2 instrument  \u00b7  version 1",
              font=caption, fill=LABEL_DIM, anchor="ms")
    body = font("LiberationSans-Regular", 11)
    lines = [
        "Two oscillators with FM and pulse-width modulation, noise,",
        "a resonant four-stage filter (LP, BP, HP) with key follow,",
        "amplitude, filter and modulation envelopes, two LFOs,",
        "portamento, and a sound setting for each of 16 MIDI channels.",
    ]
    for i, line in enumerate(lines):
        draw.text((px(w // 2), px(200 + 13 * i)), line, font=body, fill=LABEL_DIM,
                  anchor="ms")
    draw.rectangle(pixel_box(w // 2 - 60, h - 19, w // 2 + 60, h - 19), fill=DIVIDER)
    draw.text((px(w // 2), px(h - 7)), "click to close", font=caption,
              fill=LABEL_DIM, anchor="ms")
    return img


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------
PICTURES = [
    (128, picture_128, (EDITOR_W, EDITOR_H)),
    (129, picture_129, (SMALL_KNOB["w"], SMALL_KNOB["strip_h"])),
    (130, picture_130, (LARGE_KNOB["w"], LARGE_KNOB["strip_h"])),
    (131, picture_131, (10, 184)),
    (132, picture_132, (10, 102)),
    (133, picture_133, (10, 22)),
    (134, picture_134, (10, 170)),
    (135, picture_135, (50, 50)),
    (136, picture_136, (75, 40)),
    (137, picture_137, (ABOUT_W, ABOUT_H)),
]


def write_bmp(path, img):
    """Uncompressed 24-bit bottom-up BMP with a BITMAPINFOHEADER, which is
    what the Windows resource compiler and LoadBitmap expect."""
    img = img.convert("RGB")
    w, h = img.size
    row_size = (w * 3 + 3) & ~3
    pad = b"\0" * (row_size - w * 3)
    raw = img.tobytes()
    rows = []
    for y in range(h - 1, -1, -1):
        row = raw[y * w * 3:(y + 1) * w * 3]
        bgr = bytearray(row)
        bgr[0::3], bgr[2::3] = row[2::3], row[0::3]
        rows.append(bytes(bgr) + pad)
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def check_bmp(path, size):
    with open(path, "rb") as f:
        data = f.read()
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (info_size, w, h, planes, bpp, compression,
     image_size) = struct.unpack_from("<IiiHHII", data, 14)
    row_size = (w * 3 + 3) & ~3
    expected = dict(magic=b"BM", file_size=len(data), offset=54, info_size=40,
                    w=size[0], h=size[1], planes=1, bpp=24, compression=0,
                    image_size=row_size * size[1])
    found = dict(magic=magic, file_size=file_size, offset=offset,
                 info_size=info_size, w=w, h=h, planes=planes, bpp=bpp,
                 compression=compression, image_size=image_size)
    wrong = {k: (found[k], v) for k, v in expected.items() if found[k] != v}
    if wrong or len(data) != 54 + row_size * size[1]:
        raise SystemExit("%s: bad header %s" % (path, wrong))


def paste_controls(background, pictures):
    """The editor as it opens with default-looking values: knobs at 0.5,
    selectors on their first position, toggles off."""
    img = background.copy()
    for c in CONTROLS:
        x, y, r, b = device_rect(control_rect(c))
        w, h = r - x, b - y
        kind = c["kind"]
        src = {"knob": 129, "big_knob": 130, "sel4": 131, "sel3": 132,
               "sel5h": 135, "toggle": 133, "big_toggle": 136}[kind]
        top = (SMALL_KNOB["frames"] // 2) * h if kind in ("knob", "big_knob") else 0
        img.paste(pictures[src].crop((0, top, w, top + h)), (x, y))
    return img


def draw_set(scale):
    """The ten pictures at `scale` device pixels per logical pixel, checked
    for size and for the transparent colour."""
    global SCALE
    SCALE = scale
    pictures = {}
    for number, draw_picture, (w, h) in PICTURES:
        img = draw_picture()
        if img.size != (px(w), px(h)):
            raise SystemExit("picture %d at %dx is %s, expected %s"
                             % (number, scale, img.size, (px(w), px(h))))
        if WHITE in (c for _, c in img.getcolors(img.width * img.height)):
            raise SystemExit("picture %d at %dx contains the transparent colour"
                             % (number, scale))
        pictures[number] = img
    return pictures


def density_dir(base, scale):
    return base if scale == 1 else os.path.join(base, "%dx" % scale)


def main(argv):
    args = argv[1:]
    scales, preview_dir = DENSITIES, None
    while args:
        if len(args) >= 2 and args[0] == "--scale" and args[1].isdigit() \
                and int(args[1]) in DENSITIES:
            scales = (int(args[1]),)
        elif len(args) >= 2 and args[0] == "--preview":
            preview_dir = args[1]
        else:
            raise SystemExit(__doc__)
        args = args[2:]
    for scale in scales:
        pictures = draw_set(scale)
        out_dir = density_dir(HERE, scale)
        os.makedirs(out_dir, exist_ok=True)
        for number, img in pictures.items():
            path = os.path.join(out_dir, "%d.bmp" % number)
            write_bmp(path, img)
            check_bmp(path, img.size)
        if preview_dir:
            out_dir = density_dir(preview_dir, scale)
            os.makedirs(out_dir, exist_ok=True)
            for number, img in pictures.items():
                img.save(os.path.join(out_dir, "%d.png" % number))
            editor = paste_controls(pictures[128], pictures)
            editor.save(os.path.join(out_dir, "editor.png"))
            opened = editor.copy()
            opened.paste(pictures[137], (px(136), px(40)))
            opened.save(os.path.join(out_dir, "editor_about.png"))


if __name__ == "__main__":
    main(sys.argv)
