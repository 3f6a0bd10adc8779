#!/usr/bin/env python3
"""The Python peer of the benchmark: what a user would write in a few lines.

Usage: findall.py FILE   (writes every match to standard output, one per line)
"""

import re
import sys

with open(sys.argv[1], "rb") as f:
    data = f.read()
numbers = re.findall(rb"[1-9][0-9]{4,}", data)
if numbers:
    sys.stdout.buffer.write(b"\n".join(numbers) + b"\n")
