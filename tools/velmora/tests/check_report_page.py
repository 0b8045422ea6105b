#!/usr/bin/env python3
"""Checks a page written by `velmora report` against the plug-in's summary
of the same log (as `velmora score --raw` prints it):

    check_report_page.py PAGE.html SUMMARY.txt

- every SVG in the page is well-formed XML, and there are the three charts;
- the page fetches nothing: no script, no src or href, no url() but to its
  own patterns, no @import;
- the headline holds the summary's claimed score and Total figures, and the
  per-band table holds each band line and the Total line, cell for cell;
- the department grid agrees with the summary: on each band, as many
  departments are marked worked as the summary's DEP column counts.

Exit status 0 when all hold; 1 with each failure on standard error.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree
from html.parser import HTMLParser


def summary_lines(path):
    """The plug-in's summary: (heads, band rows, Total row, score); the line
    end `score --raw` ends it with is no line of its own."""
    with open(path, newline="") as f:
        text = f.read()
    if text.endswith("\r\n"):
        text = text[:-2]
    lines = [[cell.strip() for cell in line.split("\t")] for line in text.split("\r\n")]
    heads = [cell for cell in lines[1] if cell]
    score = lines[-1][0].split("=")[1].strip()
    return heads, lines[2:-2], lines[-2], score


class TableRows(HTMLParser):
    """The rows of the table of class "bands", each a list of cell texts."""

    def __init__(self):
        super().__init__()
        self.in_table = False
        self.rows = []
        self.cell = None

    def handle_starttag(self, tag, attrs):
        if tag == "table" and ("class", "bands") in attrs:
            self.in_table = True
        elif self.in_table and tag == "tr":
            self.rows.append([])
        elif self.in_table and tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag == "table":
            self.in_table = False
        elif self.in_table and tag in ("td", "th") and self.cell is not None:
            self.rows[-1].append(self.cell.strip())
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def main(page_path, summary_path):
    with open(page_path, encoding="utf-8") as f:
        page = f.read()
    failures = []

    svgs = re.findall(r"<svg\b.*?</svg>", page, flags=re.S)
    if len(svgs) != 3:
        failures.append("expected 3 charts, found %d SVG elements" % len(svgs))
    for number, svg in enumerate(svgs, 1):
        try:
            ElementTree.fromstring(svg)
        except ElementTree.ParseError as error:
            failures.append("SVG %d is not well-formed XML: %s" % (number, error))

    for pattern, what in ((r"<script", "a script"), (r"\b(src|href)\s*=", "a src or href"),
                          (r"url\((?!#)", "a url() to fetch"), (r"@import", "an @import")):
        if re.search(pattern, page, flags=re.I):
            failures.append("the page holds %s" % what)

    heads, bands, total, score = summary_lines(summary_path)
    figures = {label.strip(): value for label, value in re.findall(
        r'<div class="figure[^"]*"><span>([^<]*)(?:<small>[^<]*</small>)?</span><b>([^<]*)</b>',
        page)}
    expected = {"Claimed score": score, **dict(zip(heads, total[1:]))}
    for label, value in expected.items():
        if figures.get(label) != value:
            failures.append("headline %r shows %r, the summary %r" % (label, figures.get(label),
                                                                      value))

    table = TableRows()
    table.feed(page)
    wanted = [["Band"] + heads] + bands + [total]
    if table.rows != wanted:
        failures.append("per-band table %r differs from the summary %r" % (table.rows, wanted))

    worked = [0] * len(bands)
    for marks in re.findall(r'<span class="marks">(.*?)</span>', page):
        for band, mark in enumerate(re.findall(r"<i[^>]*>", marks)):
            if band < len(worked) and 'class="w"' in mark:
                worked[band] += 1
    dep = heads.index("DEP") + 1
    counted = [int(band[dep]) for band in bands]
    if worked != counted:
        failures.append("departments marked per band %r, the summary's DEP %r" % (worked, counted))

    for failure in failures:
        print("check_report_page: " + failure, file=sys.stderr)
    if not failures:
        print("%s: %d well-formed charts, the summary's figures, table and departments"
              % (page_path, len(svgs)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
