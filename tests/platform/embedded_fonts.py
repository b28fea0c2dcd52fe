#!/usr/bin/python3
"""The PDFs of dek2018 as other programs read them.

  embedded_fonts.py fonts DEK2018   every font program embedded in the demo's
      PDFs loads in fontTools without a warning (no extra glyph data, right
      checksums), holds no hinting, and its descriptor gives the face's own
      cap height, serif flag and italic angle; each code's glyph in the
      program (through /CIDToGIDMap) is the outline and /W the width of the
      face's glyph for the code's character (ToUnicode).
  embedded_fonts.py pdfa DEK2018    Ghostscript re-converting a --pdfa
      document to PDF/A-1 keeps its document information.

Exit status 77 (skipped) when qpdf, fontTools or Ghostscript is missing.
"""
import base64
import io
import json
import logging
import os
import re
import shutil
import subprocess
import sys
import tempfile

FACES = "/usr/share/fonts/truetype/liberation2"


def skip(why):
    print(f"skipped: {why}")
    sys.exit(77)


try:
    from fontTools.ttLib import TTFont
except ImportError:
    skip("python3-fonttools not installed")

failures = []


def fail(what):
    failures.append(what)
    print(f"FAIL {what}")


class Objects:
    """The objects of a PDF, their streams decoded, as qpdf's JSON gives them."""

    def __init__(self, path):
        out = subprocess.run(["qpdf", "--json=2", "--json-stream-data=inline", "--decode-level=generalized", path],
                             check=True, capture_output=True).stdout
        self.objects = json.loads(out)["qpdf"][1]

    def get(self, ref):
        return self.objects[f"obj:{ref}"]

    def value(self, ref):
        o = self.get(ref)
        return o["stream"]["dict"] if "stream" in o else o["value"]

    def data(self, ref):
        return base64.b64decode(self.get(ref)["stream"]["data"])

    def fonts(self):
        for key, o in self.objects.items():
            v = o.get("value")
            if key.startswith("obj:") and isinstance(v, dict) and v.get("/Subtype") == "/Type0":
                yield key[4:], v


def to_unicode(cmap):
    """The character of each code of a ToUnicode CMap of bfchar entries."""
    chars = {}
    for code, text in re.findall(rb"<([0-9A-Fa-f]{4})>\s*<([0-9A-Fa-f]+)>", cmap.split(b"endcodespacerange", 1)[1]):
        chars[int(code, 16)] = bytes.fromhex(text.decode()).decode("utf-16-be")
    return chars


def widths(w):
    """The width of each code of a /W array of the form [c [w w ...] ...]."""
    out = {}
    for i in range(0, len(w), 2):
        for k, width in enumerate(w[i + 1]):
            out[w[i] + k] = width
    return out


def outline(font, glyph):
    glyf = font["glyf"]
    coords, ends, flags = glyf[glyph].getCoordinates(glyf)
    return list(coords), list(ends), [f & 1 for f in flags]


class Warnings(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage())


def check_font(pdf, objects, ref, font, originals):
    cid_font = objects.value(font["/DescendantFonts"][0])
    desc = objects.value(cid_font["/FontDescriptor"])
    name = font["/BaseFont"].split("+", 1)[1]
    where = f"{pdf} {ref} {name}"
    original = originals.get(name)
    if original is None:
        fail(f"{where}: not a face of the sheets")
        return
    warnings = Warnings()
    logging.getLogger("fontTools").addHandler(warnings)
    try:
        sub = TTFont(io.BytesIO(objects.data(desc["/FontFile2"])), checkChecksums=1)
        glyf = sub["glyf"]
        order = sub.getGlyphOrder()
        for g in order:
            glyf[g].expand(glyf)
    finally:
        logging.getLogger("fontTools").removeHandler(warnings)
    for m in warnings.messages:
        fail(f"{where}: fontTools: {m}")
    for t in ("fpgm", "prep", "cvt "):
        if t in sub:
            fail(f"{where}: hinting table {t!r}")
    for g in order:
        if getattr(glyf[g], "program", None) is not None and glyf[g].program.getBytecode():
            fail(f"{where}: glyph {g} has instructions")
            break

    upem = original["head"].unitsPerEm
    os2 = original["OS/2"]
    if abs(desc["/CapHeight"] - os2.sCapHeight * 1000 / upem) > 0.5:
        fail(f"{where}: /CapHeight {desc['/CapHeight']}, the face's {os2.sCapHeight * 1000 / upem:.1f}")
    if desc["/ItalicAngle"] != original["post"].italicAngle:
        fail(f"{where}: /ItalicAngle {desc['/ItalicAngle']}")
    serif = name.startswith("LiberationSerif")
    if desc["/Flags"] != (6 if serif else 4):
        fail(f"{where}: /Flags {desc['/Flags']}")
    stem = desc["/StemV"]
    if not (60 <= stem <= 120 if os2.usWeightClass == 400 else 140 <= stem <= 200):
        fail(f"{where}: /StemV {stem} for weight {os2.usWeightClass}")

    # Each code: its glyph in the program is the face's glyph of its
    # character, with the face's width.
    gid_map = cid_font["/CIDToGIDMap"]
    if gid_map == "/Identity":
        gid_of = None
    else:
        m = objects.data(gid_map)
        gid_of = [int.from_bytes(m[i:i + 2], "big") for i in range(0, len(m), 2)]
    w = widths(cid_font["/W"])
    chars = to_unicode(objects.data(font["/ToUnicode"]))
    cmap = original.getBestCmap()
    if not chars:
        fail(f"{where}: no characters")
    for code, text in chars.items():
        gid = code if gid_of is None else gid_of[code]
        if gid >= len(order):
            fail(f"{where}: code {code} maps to glyph {gid} of {len(order)}")
            continue
        theirs = cmap.get(ord(text[0]))
        if theirs is None:
            fail(f"{where}: code {code} reads as {text!r}, which the face lacks")
            continue
        if outline(sub, order[gid]) != outline(original, theirs):
            fail(f"{where}: code {code} ({text!r}) is not the face's outline of it")
        advance = original["hmtx"][theirs][0]
        if w.get(code) != round(advance * 1000 / upem) or sub["hmtx"][order[gid]][0] != advance:
            fail(f"{where}: code {code} ({text!r}) width {w.get(code)}")


def fonts(dek):
    originals = {}
    for f in os.listdir(FACES):
        face = TTFont(os.path.join(FACES, f))
        ps = face["name"].getDebugName(6)
        if ps:
            originals[ps] = face
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([dek, "demo", "--out", work], check=True, stdout=subprocess.DEVNULL)
        pdfs = sorted(os.path.join(d, f) for d, _, files in os.walk(work) for f in files if f.endswith(".pdf"))
        if len(pdfs) < 50:
            fail(f"the demo wrote {len(pdfs)} PDFs")
        checked = 0
        for pdf in pdfs:
            objects = Objects(pdf)
            for ref, font in objects.fonts():
                check_font(os.path.relpath(pdf, work), objects, ref, font, originals)
                checked += 1
        print(f"{checked} fonts of {len(pdfs)} PDFs checked")


def info(pdf):
    out = subprocess.run(["pdfinfo", "-enc", "UTF-8", pdf], check=True, capture_output=True, text=True).stdout
    return dict(line.split(":", 1) for line in out.splitlines() if ":" in line)


def pdfa(dek):
    gs = shutil.which("gs")
    if gs is None:
        skip("ghostscript not installed")
    with tempfile.TemporaryDirectory() as work:
        ret = os.path.join(work, "pit37.json")
        with open(ret, "w") as f:
            subprocess.run([dek, "sample", "pit37"], check=True, stdout=f)
        ours = os.path.join(work, "archiwum.pdf")
        subprocess.run([dek, "print", ret, "--settings", os.path.join(work, "rekster.dat"), "--pdf", ours, "--pdfa"],
                       check=True, stdout=subprocess.DEVNULL)
        theirs = os.path.join(work, "gs.pdf")
        run = subprocess.run([gs, "-q", "-dPDFA=1", "-dBATCH", "-dNOPAUSE", "-dPDFACompatibilityPolicy=1",
                              "-sColorConversionStrategy=RGB", "-sDEVICE=pdfwrite", f"-sOutputFile={theirs}", ours],
                             capture_output=True, text=True)
        said = run.stdout + run.stderr
        if run.returncode != 0:
            fail(f"gs exit status {run.returncode}: {said}")
            return
        if "DOCINFO" in said:
            fail(f"gs: {said}")
        a, b = info(ours), info(theirs)
        for key in ("Title", "Creator"):
            if a.get(key, "").strip() == "" or a.get(key) != b.get(key):
                fail(f"{key}: ours {a.get(key)!r}, re-converted {b.get(key)!r}")
        if a.get("Title", "").strip() != "PIT-37 2018":
            fail(f"Title {a.get('Title')!r}")


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("fonts", "pdfa"):
        sys.exit(__doc__)
    if shutil.which("qpdf") is None or shutil.which("pdfinfo") is None:
        skip("qpdf or poppler-utils not installed")
    {"fonts": fonts, "pdfa": pdfa}[sys.argv[1]](sys.argv[2])
    if failures:
        print(f"{len(failures)} failures")
        sys.exit(1)
    print("ok")


main()
