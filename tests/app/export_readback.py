#!/usr/bin/env python3
"""The export's files read back by Python's own csv and json modules.

Runs the built program under wine in a test environment on a catalogue of
20,000 products and a few with texts that need care (commas, quotes,
control characters, Japanese, lone UTF-16 surrogates), and checks that the
comma-separated and JSON files give back exactly the catalogue's rows.
    export_readback.py WINE_RUN TESTENV_DIR
"""
import csv
import io
import json
import os
import shutil
import subprocess
import sys

wine_run, testenv = sys.argv[1], sys.argv[2]
drive_c = os.path.join(testenv, "prefix", "drive_c")
data = os.path.join(drive_c, "ProgramData", "Marbek Corporation", "Quenta Central")
out = os.path.join(drive_c, "export-readback")

# Every control character a catalogue line can hold (not CR, LF or NUL,
# which end a line or a value), between letters, since a value is trimmed.
controls = "".join(chr(c) for c in list(range(1, 32)) + list(range(0x7F, 0xA0)) if chr(c) not in "\r\n")
tricky = [
    ("0001 Name, with a comma", 'Says "hello", twice'),
    ("0002 Quotes \"inside\"", 'a "" b'),
    ("0003 \u30ab\u30e1\u30e9 Japanese", "\u5199\u771f\u3068\u52d5\u753b\u3092\u64ae\u308a\u307e\u3059"),
    ("0004 Controls", "a" + controls + "z"),
    ("0005 Lone surrogates", "high \ud800 low \udc00 reversed \udc00\ud800 pair \U0001f600 end"),
    ("0006 Markup", "<td>&amp;</td> 'apostrophe'"),
]
products = tricky + [("%05d Product, number %d" % (i, i), 'Does "job" %d, well' % i) for i in range(1, 20001)]

# UTF-16 as Unicode.exe writes apps.ini; lone surrogates go in as they are.
ini = "".join("[%s]\r\nCustomerDescription=%s\r\n" % p for p in products)
aside = None
os.makedirs(data, exist_ok=True)
apps = os.path.join(data, "apps.ini")
if os.path.exists(apps):
    aside = apps + ".readback-aside"
    os.replace(apps, aside)
shutil.rmtree(out, ignore_errors=True)
os.makedirs(out)
try:
    with open(apps, "wb") as f:
        f.write(b"\xff\xfe" + ini.encode("utf-16-le", "surrogatepass"))
    files = {fmt: "C:\\export-readback\\list." + fmt for fmt in ("csv", "json")}
    run = subprocess.run([wine_run, testenv, "B:\\dist\\ZelSoftwareInfo.exe",
                          "/scomma", files["csv"], "/sjson", files["json"]], stderr=subprocess.PIPE)
    assert run.returncode == 0, "exit code %d: %s" % (run.returncode, run.stderr.decode(errors="replace"))
finally:
    os.remove(apps)

    if aside:
        os.replace(aside, apps)


def read(name):
    with open(os.path.join(out, name), "rb") as f:
        return f.read()


# The rows as the program lists them: by name, lone surrogates as U+FFFD,
# which UTF-8 cannot hold.
def as_written(text):
    return text.encode("utf-16-le", "surrogatepass").decode("utf-16-le", "replace")


expected = sorted((as_written(n), as_written(d)) for n, d in products)

# Comma-separated: a byte-order mark, then RFC 4180 as Python reads it.
raw = read("list.csv")
assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
rows = list(csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline=""), strict=True))
assert rows[0] == ["Software", "Description"], rows[0]
got = [tuple(r) for r in rows[1:]]
assert got == expected, "the comma-separated rows differ: %r" % [(g, e) for g, e in zip(got, expected) if g != e][:3]

# JSON: strict UTF-8 without a byte-order mark.
objects = json.loads(read("list.json").decode("utf-8"))
assert [(o["name"], o["description"]) for o in objects] == expected, "the JSON rows differ"
assert all(list(o) == ["name", "description"] for o in objects)

shutil.rmtree(out)
print("read back %d rows from each file" % len(expected))
