#!/usr/bin/python3
"""The yardstick of render_bench: ReportLab drawing the same sheets.

Reads every page's layout (.layout) and form description (.form) once, as
dek2018 does, then draws sheets with ReportLab: the form's background (tinted
sheet, sections, fields with their numbers and wrapped titles, squares with
numbers and captions, static texts wrapped in their widths) and the page's
initially enabled labels and memos with their captions, opaque ones on their
white rectangle, in the Liberation faces, embedded. Every sheet is a one-page
PDF document of its own, as a print run is.

Prints one line per page class and one for the batch, tab-separated:

    sheet   CLASS   MS_PER_SHEET   BYTES_PER_SHEET
    batch   SHEETS  MS_PER_SHEET   BYTES_PER_SHEET

The batch draws the given sheets (a page class per sheet, repeats allowed: the
sheets of dek2018 demo) in order, each once per round, warm.
"""

import argparse
import glob
import io
import os
import sys
import time

from reportlab.lib.utils import simpleSplit
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.pdfgen import canvas

MM = 72.0 / 25.4  # points per millimetre
PX = 0.75  # points per design pixel (96 dpi)
A4 = (210.0 * MM, 297.0 * MM)

FONT_DIRS = ("/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation")
FACES = {
    "sans": "LiberationSans-Regular.ttf",
    "sans-bold": "LiberationSans-Bold.ttf",
    "serif": "LiberationSerif-Regular.ttf",
    "serif-bold": "LiberationSerif-Bold.ttf",
}

# Font classes of the layouts: (face, pixel size, strike-out).
FONT_CLASSES = {
    "value": ("sans-bold", 13, False),
    "valuevar": ("sans-bold", 13, False),
    "mark": ("sans-bold", 11, False),
    "table": ("sans-bold", 13, False),
    "plain": ("sans", 13, False),
    "strike6": ("sans", 8, True),
    "sum": ("sans-bold", 16, False),
    "strike12": ("sans-bold", 16, True),
    "serif": ("serif-bold", 13, False),
}

SHEET_GREY = (0xE8 / 255.0,) * 3
BAR_GREY = (0xC8 / 255.0,) * 3


def register_fonts():
    for name, file in FACES.items():
        for d in FONT_DIRS:
            path = os.path.join(d, file)
            if os.path.exists(path):
                pdfmetrics.registerFont(TTFont(name, path))
                break
        else:
            sys.exit("compare_reportlab: font %s not found (fonts-liberation2)" % file)


def statements(text):
    """The statements of a description: words split at blanks, quoted texts
    kept whole (\\ escapes), '#' starts a comment outside quotes."""
    for line in text.split("\n"):
        words, i = [], 0
        while i < len(line):
            c = line[i]
            if c in " \t\r":
                i += 1
            elif c == "#":
                break
            elif c == '"':
                i += 1
                t = []
                while i < len(line):
                    q = line[i]
                    i += 1
                    if q == '"':
                        break
                    if q == "\\" and i < len(line):
                        q = line[i]
                        i += 1
                    t.append(q)
                words.append((True, "".join(t)))
            else:
                j = i
                while j < len(line) and line[j] not in ' \t\r"':
                    j += 1
                words.append((False, line[i:j]))
                i = j
        if words:
            yield words


def rect(words, at):
    return tuple(int(words[at + k][1]) for k in range(4))


def parse_form(text):
    form = {"sheet": (0, 0, 0, 0), "sections": [], "fields": [], "squares": [], "texts": [], "shades": []}
    for w in statements(text):
        kw = w[0][1]
        if kw == "sheet":
            form["sheet"] = rect(w, 1)
        elif kw in ("section", "subsection"):
            form["sections"].append((w[1][1], w[2][1], rect(w, 3), kw == "subsection"))
        elif kw == "field":
            form["fields"].append((w[2][1], w[3][1], rect(w, 4), len(w) > 8 and w[8][1] == "shade"))
        elif kw == "square":
            form["squares"].append((w[2][1], w[3][1], int(w[4][1]), int(w[5][1])))
        elif kw == "text":
            left, top, width, size = (int(w[k][1]) for k in range(1, 5))
            bold, align, words = False, "left", ""
            for quoted, t in w[5:]:
                if quoted:
                    words = t
                elif t == "bold":
                    bold = True
                else:
                    align = t
            form["texts"].append((left, top, width, size, bold, align, words))
        elif kw == "shade":
            form["shades"].append(rect(w, 1))
    return form


def parse_layout(text):
    layout = {"margins": (3.0, 3.0, 2.0, 2.0), "elements": [], "form": None}
    defaults = {}
    for w in statements(text):
        kw = w[0][1]
        if kw in ("class", "unit", "form"):
            layout[kw] = w[1][1]
        elif kw == "margins":
            layout["margins"] = tuple(float(w[k][1]) for k in range(1, 5))
        elif kw == "defaults":
            defaults = {}
            for _, t in w[1:]:
                apply_flag(defaults, t)
        elif kw in ("label", "memo"):
            e = {"align": "center", "auto": False, "wrap": False, "opaque": False, "on": True, "font": "value"}
            e.update(defaults)
            if kw == "memo":
                e["align"] = "left"
                e["wrap"] = True
            e["rect"] = rect(w, 2)
            e["caption"] = ""
            for quoted, t in w[6:]:
                if quoted:
                    e["caption"] = t
                elif not t.startswith("@"):
                    apply_flag(e, t)
            layout["elements"].append(e)
    if layout["form"] is None:
        layout["form"] = layout["unit"]
    return layout


def apply_flag(e, t):
    if t in ("left", "center", "right"):
        e["align"] = t
    elif t in ("auto", "fixed"):
        e["auto"] = t == "auto"
    elif t in ("wrap", "nowrap"):
        e["wrap"] = t == "wrap"
    elif t in ("opaque", "transparent"):
        e["opaque"] = t == "opaque"
    elif t in ("on", "off"):
        e["on"] = t == "on"
    elif t.startswith("font="):
        e["font"] = t[5:]


def load_pages(pages_dir):
    forms = {}
    for path in glob.glob(os.path.join(pages_dir, "*", "*.form")):
        with open(path, encoding="utf-8") as f:
            forms[os.path.splitext(os.path.basename(path))[0]] = parse_form(f.read())
    pages = {}
    for path in glob.glob(os.path.join(pages_dir, "*", "*.layout")):
        with open(path, encoding="utf-8") as f:
            layout = parse_layout(f.read())
        layout["form"] = forms[layout["form"]]
        pages[layout["class"]] = layout
    return pages


class Sheet:
    """Design pixels from the band's top-left corner to PDF points."""

    def __init__(self, c, margins):
        self.c = c
        self.x0 = margins[2] * MM
        self.y0 = A4[1] - margins[0] * MM

    def x(self, px):
        return self.x0 + px * PX

    def y(self, px):
        return self.y0 - px * PX

    def box(self, r, fill, stroke, pen=0.6):
        c = self.c
        c.setFillColorRGB(*fill)
        if stroke:
            c.setLineWidth(pen * PX)
        c.rect(self.x(r[0]), self.y(r[1] + r[3]), r[2] * PX, r[3] * PX, stroke=1 if stroke else 0, fill=1)

    def text(self, face, size_px, left, top, width, align, text, wrap):
        """Lines from `top` down, aligned in `left`..`left + width`."""
        c = self.c
        size = size_px * PX
        c.setFont(face, size)
        c.setFillColorRGB(0, 0, 0)
        lines = simpleSplit(text, face, size, width * PX) if wrap and width > 0 else text.split("\n")
        ascent = pdfmetrics.getAscent(face, size)
        leading = size * 1.15
        y = self.y(top) - ascent
        for line in lines:
            if align == "right":
                c.drawRightString(self.x(left + width), y, line)
            elif align == "center":
                c.drawCentredString(self.x(left + width / 2.0), y, line)
            else:
                c.drawString(self.x(left), y, line)
            y -= leading
        return lines


def draw_form(s, form):
    s.box(form["sheet"], SHEET_GREY, False)
    for letter, title, r, sub in form["sections"]:
        s.box(r, BAR_GREY, True)
        words = (letter + " " if letter else "") + title.upper()
        size = 8 if sub else 9
        s.text("sans-bold", size, r[0] + 6, r[1] + (r[3] - size * 1.15) / 2, r[2] - 12, "left", words, False)
    for number, title, r, shaded in form["fields"]:
        s.box(r, BAR_GREY if shaded else (1, 1, 1), True)
        x = r[0] + 3
        if number:
            s.text("sans-bold", 7, x, r[1] + 1, 40, "left", number, False)
            x += pdfmetrics.stringWidth(number, "sans-bold", 7 * PX) / PX + 3
        if title:
            s.text("sans", 7, x, r[1] + 1, r[0] + r[2] - x - 2, "left", title, True)
    for r in form["shades"]:
        s.box(r, BAR_GREY, True)
    for number, caption, left, top in form["squares"]:
        s.box((left, top, 12, 12), (1, 1, 1), True, 0.8)
        s.text("sans", 7, left - 42, top + 2, 40, "right", number, False)
        s.text("sans", 7, left + 16, top + 2, 400, "left", caption, False)
    for left, top, width, size, bold, align, words in form["texts"]:
        s.text("sans-bold" if bold else "sans", size, left, top, width, align, words, width > 0)


def draw_elements(s, elements):
    c = s.c
    for e in elements:
        if not e["on"]:
            continue
        r = e["rect"]
        if e["opaque"]:
            s.box(r, (1, 1, 1), False)
        if not e["caption"]:
            continue
        face, size_px, strike = FONT_CLASSES[e["font"]]
        left, width = r[0], r[2]
        if e["auto"]:
            # Sized to its text: grows from its anchor.
            w = pdfmetrics.stringWidth(e["caption"], face, size_px * PX) / PX
            if e["align"] == "right":
                left = r[0] + r[2] - w
            elif e["align"] == "center":
                left = r[0] + (r[2] - w) / 2.0
            width = w
        lines = s.text(face, size_px, left, r[1], width, e["align"], e["caption"], e["wrap"])
        if strike and lines:
            w = pdfmetrics.stringWidth(lines[0], face, size_px * PX)
            y = s.y(r[1] + size_px * 0.6)
            c.line(s.x(left), y, s.x(left) + w, y)


def draw_sheet(page, out):
    c = canvas.Canvas(out, pagesize=A4, pageCompression=1)
    c.setTitle(page["class"])
    c.setCreator("compare_reportlab")
    s = Sheet(c, page["margins"])
    draw_form(s, page["form"])
    draw_elements(s, page["elements"])
    c.showPage()
    c.save()


def one_sheet(page):
    out = io.BytesIO()
    draw_sheet(page, out)
    return len(out.getvalue())


def measure(work, min_time, min_rounds):
    """Milliseconds per round of `work` and what the last round returned,
    after one round of warm-up."""
    result = work()
    rounds, start = 0, time.perf_counter()
    while True:
        result = work()
        rounds += 1
        elapsed = time.perf_counter() - start
        if rounds >= min_rounds and elapsed >= min_time:
            return elapsed * 1000.0 / rounds, result


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--pages", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pages"))
    ap.add_argument("--min-time", type=float, default=0.3, help="seconds per figure, at least")
    ap.add_argument("--classes", nargs="*", default=None, help="page classes to measure one by one (default: all)")
    ap.add_argument("--batch", nargs="*", default=[], help="page class of every sheet of the batch, in order")
    args = ap.parse_args()

    register_fonts()
    pages = load_pages(args.pages)
    classes = sorted(pages) if args.classes is None else args.classes
    for name in classes:
        ms, size = measure(lambda: one_sheet(pages[name]), args.min_time, 5)
        print("sheet\t%s\t%.3f\t%d" % (name, ms, size), flush=True)
    if args.batch:
        batch = [pages[name] for name in args.batch]
        ms, size = measure(lambda: sum(one_sheet(p) for p in batch), args.min_time * 3, 2)
        print("batch\t%d\t%.3f\t%d" % (len(batch), ms / len(batch), size // len(batch)), flush=True)


if __name__ == "__main__":
    main()
