#!/usr/bin/env python3
"""Reads a k7r58c22.csv export back with Python's csv module.

Prints the register entries in table order, one "REGISTER VALUE NAME" line
each: the left column holds the first half of the table, the right column
the rest.
"""
import csv
import sys

HEADER_LINES = 7


def main(path):
    with open(path, newline="", encoding="ascii") as f:
        rows = list(csv.reader(f, skipinitialspace=True))[HEADER_LINES:]
    left, right = [], []
    for row in rows:
        if len(row) not in (3, 6):
            sys.exit(f"row of {len(row)} fields: {row}")
        left.append(row[0:3])
        if len(row) == 6:
            right.append(row[3:6])
    for register, value, name in left + right:
        print(register, value, name)


if __name__ == "__main__":
    main(sys.argv[1])
