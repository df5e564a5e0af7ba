#!/usr/bin/env python3
"""Checks the DOM of the register quick reference as a browser built it.

Reads the DOM (chromium --dump-dom) on standard input and prints the number
of register sections. Fails when a bit drawing row does not span 16 columns.
"""
import sys
from html.parser import HTMLParser


class QuickReference(HTMLParser):
    def __init__(self):
        super().__init__()
        self.sections = 0
        self.in_bold = False
        self.drawing_depth = 0
        self.table_depth = 0
        self.row = None
        self.errors = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "b":
            self.in_bold = True
        elif tag == "table":
            self.table_depth += 1
            if attrs.get("border") == "1":
                self.drawing_depth = self.table_depth
        elif tag == "tr" and self.drawing_depth:
            self.row = 0
        elif tag == "td" and self.drawing_depth and self.row is not None:
            self.row += int(attrs.get("colspan", "1"))

    def handle_endtag(self, tag):
        if tag == "b":
            self.in_bold = False
        elif tag == "table":
            if self.table_depth == self.drawing_depth:
                self.drawing_depth = 0
            self.table_depth -= 1
        elif tag == "tr" and self.row is not None:
            if self.row != 16:
                self.errors.append(f"row of {self.row} columns in section {self.sections}")
            self.row = None

    def handle_data(self, data):
        if self.in_bold and data.startswith("REG["):
            self.sections += 1


def main():
    page = QuickReference()
    page.feed(sys.stdin.read())
    if page.errors:
        sys.exit("\n".join(page.errors))
    print(page.sections)


if __name__ == "__main__":
    main()
