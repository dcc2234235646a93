#!/usr/bin/env python3
"""Typesets the user guide: docs/guide/guide.md and its pictures into one PDF.

    make_guide_pdf.py <guide.md> <output.pdf>

The source is a small subset of Markdown, all the guide needs: "#" chapters, "##" and "###"
headings, paragraphs, "- " and "1. " lists, pipe tables, "![caption](picture.png)" and the line
"@contents" for the table of contents; **bold** and *italic* inside text. Pictures are looked up
beside the source. The output is the same bytes on every run, so the build can compare it.
"""

import re
import sys
from pathlib import Path

from reportlab import rl_config

rl_config.invariant = 1  # no time stamps or random ids in the file

from reportlab.lib import colors
from reportlab.lib.enums import TA_CENTER
from reportlab.lib.pagesizes import A4
from reportlab.lib.styles import ParagraphStyle, getSampleStyleSheet
from reportlab.lib.units import mm
from reportlab.pdfbase.pdfmetrics import stringWidth
from reportlab.platypus import (BaseDocTemplate, CondPageBreak, Frame, Image, KeepTogether,
                                ListFlowable, ListItem, PageBreak, PageTemplate, Paragraph,
                                Spacer, Table, TableStyle)
from reportlab.platypus.tableofcontents import TableOfContents

ACCENT = colors.HexColor("#1f6fb2")
RULE = colors.HexColor("#b9c2cc")
HEADER_FILL = colors.HexColor("#e8eef4")

base = getSampleStyleSheet()
styles = {
    "title": ParagraphStyle("title", parent=base["Title"], fontSize=30, leading=36, spaceAfter=6,
                            textColor=ACCENT),
    "subtitle": ParagraphStyle("subtitle", parent=base["Title"], fontSize=16, leading=20,
                               spaceAfter=28, textColor=colors.HexColor("#444444")),
    "h1": ParagraphStyle("h1", parent=base["Heading1"], fontSize=19, leading=23, spaceBefore=6,
                         spaceAfter=10, textColor=ACCENT),
    "h2": ParagraphStyle("h2", parent=base["Heading2"], fontSize=13.5, leading=17, spaceBefore=10,
                         spaceAfter=5),
    "h3": ParagraphStyle("h3", parent=base["Heading3"], fontSize=11.5, leading=14, spaceBefore=8,
                         spaceAfter=4),
    "body": ParagraphStyle("body", parent=base["BodyText"], fontName="Helvetica", fontSize=10.5,
                           leading=14.5, spaceAfter=6),
    "cell": ParagraphStyle("cell", parent=base["BodyText"], fontName="Helvetica", fontSize=9,
                           leading=11.5),
    "caption": ParagraphStyle("caption", parent=base["Italic"], fontSize=9, leading=12,
                              alignment=TA_CENTER, textColor=colors.HexColor("#555555"),
                              spaceBefore=3, spaceAfter=12),
    "toc1": ParagraphStyle("toc1", fontName="Helvetica", fontSize=11, leading=16, leftIndent=6),
    "toc2": ParagraphStyle("toc2", fontName="Helvetica", fontSize=9.5, leading=12.5, leftIndent=24,
                           textColor=colors.HexColor("#444444")),
}
styles["cellHead"] = ParagraphStyle("cellHead", parent=styles["cell"], fontName="Helvetica-Bold")

FRAME_WIDTH = A4[0] - 2 * 22 * mm
DOC_TITLE = "QRX571 Editor - User Guide - v1.0"


def inline(text):
    """Escapes text for reportlab's mark-up and turns **bold** and *italic* into tags."""
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    text = re.sub(r"\*\*(.+?)\*\*", r"<b>\1</b>", text)
    text = re.sub(r"(?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*])", r"<i>\1</i>", text)
    # Keep the two blanks of a message text visible.
    return text.replace("  ", "&nbsp; ")


class GuideDocument(BaseDocTemplate):
    def __init__(self, filename, **kw):
        super().__init__(filename, pagesize=A4, leftMargin=22 * mm, rightMargin=22 * mm,
                         topMargin=20 * mm, bottomMargin=20 * mm, title=DOC_TITLE,
                         author="The QRX571 Editor developers", subject="User guide", **kw)
        frame = Frame(self.leftMargin, self.bottomMargin, self.width, self.height, id="body")
        self.addPageTemplates([PageTemplate(id="page", frames=[frame], onPage=self.decorate)])

    def decorate(self, canvas, doc):
        if doc.page == 1:
            return
        canvas.saveState()
        canvas.setStrokeColor(RULE)
        canvas.line(self.leftMargin, 14 * mm, A4[0] - self.rightMargin, 14 * mm)
        canvas.setFont("Helvetica", 8.5)
        canvas.setFillColor(colors.HexColor("#666666"))
        canvas.drawString(self.leftMargin, 9.5 * mm, "QRX571 Editor User Guide")
        canvas.drawRightString(A4[0] - self.rightMargin, 9.5 * mm, str(doc.page))
        canvas.restoreState()

    def afterFlowable(self, flowable):
        level = getattr(flowable, "toc_level", None)
        if level is not None:
            key = "h%d" % id(flowable)
            self.canv.bookmarkPage(key)
            self.canv.addOutlineEntry(flowable.getPlainText(), key, level=level)
            self.notify("TOCEntry", (level, flowable.getPlainText(), self.page, key))


def heading(text, style, toc_level):
    p = Paragraph(inline(text), styles[style])
    p.toc_level = toc_level
    return p


def picture(path, caption):
    if not path.is_file():
        print("make_guide_pdf: picture missing, left out: %s" % path, file=sys.stderr)
        return [Paragraph(inline("(Picture not available: %s)" % caption), styles["caption"])]
    image = Image(str(path))
    scale = min(1.0, FRAME_WIDTH / image.imageWidth, (150 * mm) / image.imageHeight)
    # Window pictures are rendered at screen size; print them a little smaller than 1:1
    # points so that small windows do not look blown up next to the large ones.
    scale = min(scale, 0.62)
    image.drawWidth = image.imageWidth * scale
    image.drawHeight = image.imageHeight * scale
    return [KeepTogether([image, Paragraph(inline(caption), styles["caption"])])]


def table(rows):
    cells = [[Paragraph(inline(c), styles["cellHead" if r == 0 else "cell"]) for c in row]
             for r, row in enumerate(rows)]
    # Every column gets at least its longest word; what is left goes to the columns whose
    # text would otherwise wrap, in proportion to how much they hold.
    def width(text, bold=False):
        plain = re.sub(r"\*+", "", text)
        return stringWidth(plain, "Helvetica-Bold" if bold else "Helvetica", 9) + 14

    columns = range(len(rows[0]))
    least = [max(width(w, r == 0) for r, row in enumerate(rows) for w in row[c].split() or [""])
             for c in columns]
    natural = [max(width(row[c], r == 0) for r, row in enumerate(rows)) for c in columns]
    spare = FRAME_WIDTH - sum(least)
    wants = [n - l for n, l in zip(natural, least)]
    widths = [l + (min(w, spare * w / sum(wants)) if sum(wants) else 0) for l, w in zip(least, wants)]
    leftover = FRAME_WIDTH - sum(widths)  # tables run the full width of the page
    widths = [w + leftover * n / sum(natural) for w, n in zip(widths, natural)]
    t = Table(cells, colWidths=widths, repeatRows=1, hAlign="LEFT")
    t.setStyle(TableStyle([
        ("BACKGROUND", (0, 0), (-1, 0), HEADER_FILL),
        ("GRID", (0, 0), (-1, -1), 0.5, RULE),
        ("VALIGN", (0, 0), (-1, -1), "TOP"),
        ("TOPPADDING", (0, 0), (-1, -1), 3),
        ("BOTTOMPADDING", (0, 0), (-1, -1), 4),
    ]))
    return [t, Spacer(1, 8)]


def split_row(line):
    return [c.strip() for c in line.strip().strip("|").split("|")]


def parse(source, folder):
    story = []
    lines = source.splitlines()
    paragraph, items, numbered = [], [], False
    chapters = 0

    def flush_paragraph():
        if paragraph:
            story.append(Paragraph(inline(" ".join(paragraph)), styles["body"]))
            paragraph.clear()

    def flush_list():
        if items:
            entries = [ListItem(Paragraph(inline(i), styles["body"]), leftIndent=14) for i in items]
            kind = dict(bulletType="1", bulletFormat="%s.") if numbered else dict(bulletType="bullet",
                                                                                  start="\u2022")
            story.append(ListFlowable(entries, leftIndent=14, bulletFontSize=10, bulletOffsetY=-1, **kind))
            story.append(Spacer(1, 4))
            items.clear()

    i = 0
    while i < len(lines):
        line = lines[i].rstrip()
        stripped = line.strip()
        list_item = re.match(r"^(-|\d+\.)\s+(.*)$", stripped)
        if not stripped:
            flush_paragraph()
            flush_list()
        elif stripped == "@contents":
            flush_paragraph()
            toc = TableOfContents()
            toc.levelStyles = [styles["toc1"], styles["toc2"]]
            story.extend([toc, PageBreak()])
        elif stripped.startswith("#"):
            flush_paragraph()
            flush_list()
            level = len(stripped) - len(stripped.lstrip("#"))
            text = stripped[level:].strip()
            if level == 1:
                chapters += 1
                if chapters == 1:
                    story.extend([Spacer(1, 60 * mm), Paragraph(inline(text), styles["title"])])
                elif text == "Contents":
                    story.extend([PageBreak(), Paragraph(inline(text), styles["h1"])])
                else:
                    story.extend([CondPageBreak(70 * mm), heading(text, "h1", 0)])
            elif level == 2 and chapters == 1:
                story.append(Paragraph(inline(text), styles["subtitle"]))
            else:
                story.append(heading(text, "h2" if level == 2 else "h3", 1 if level == 2 else None))
        elif stripped.startswith("!["):
            flush_paragraph()
            flush_list()
            m = re.match(r"^!\[(.*)\]\((.+)\)$", stripped)
            if not m:
                raise SystemExit("make_guide_pdf: bad picture line %d: %s" % (i + 1, line))
            story.extend(picture(folder / m.group(2), m.group(1)))
        elif stripped.startswith("|"):
            flush_paragraph()
            flush_list()
            rows = []
            while i < len(lines) and lines[i].strip().startswith("|"):
                row = split_row(lines[i])
                if not all(re.fullmatch(r":?-+:?", c) for c in row):
                    rows.append(row)
                i += 1
            if any(len(r) != len(rows[0]) for r in rows):
                raise SystemExit("make_guide_pdf: uneven table before line %d" % i)
            story.extend(table(rows))
            continue
        elif list_item:
            flush_paragraph()
            is_numbered = list_item.group(1) != "-"
            if items and is_numbered != numbered:
                flush_list()
            numbered = is_numbered
            items.append(list_item.group(2))
        elif items:
            items[-1] += " " + stripped  # a list item's continuation line
        else:
            paragraph.append(stripped)
        i += 1
    flush_paragraph()
    flush_list()
    return story


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: make_guide_pdf.py <guide.md> <output.pdf>")
    source = Path(sys.argv[1])
    output = Path(sys.argv[2])
    story = parse(source.read_text(encoding="utf-8"), source.parent)
    output.parent.mkdir(parents=True, exist_ok=True)
    partial = output.with_name(output.name + ".part")
    GuideDocument(str(partial)).multiBuild(story)
    partial.replace(output)  # a failed run never leaves a half-written guide behind


if __name__ == "__main__":
    main()
