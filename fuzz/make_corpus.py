#!/usr/bin/env python3
"""Writes the seed corpus under fuzz/corpus/ from the built-in models and the
test projects: plain texts for the project targets, scrambled copies for the
document target and a few settings files."""
import pathlib
import struct

root = pathlib.Path(__file__).resolve().parent.parent
corpus = root / "fuzz" / "corpus"
sources = sorted((root / "resources" / "models").glob("*.txt"))
sources += sorted((root / "tests" / "model" / "data").glob("*.txt"))
sources += sorted((root / "examples").glob("*.txt"))

for name in ("project", "document", "settings"):
    (corpus / name).mkdir(parents=True, exist_ok=True)

for source in sources:
    data = source.read_bytes()
    stem = source.parent.name + "_" + source.stem
    (corpus / "project" / (stem + ".txt")).write_bytes(data)
    (corpus / "document" / (stem + ".kmv")).write_bytes(bytes(b ^ 0xA7 for b in data))


def redirect(name):
    return struct.pack("<i", 1000) + b"".join(struct.pack("<H", ord(c)) for c in name) + b"\0\0"


settings = {
    "frames_v1": struct.pack("<ii", 1, 1) + struct.pack("<iiiid", 0, 0, 640, 480, 1.5),
    "frames_v2": struct.pack("<ii", 2, 3) + bytes(range(64)),
    "no_frames": struct.pack("<ii", 2, 0),
    "redirect_self": redirect("input.sty"),
    "redirect_missing": redirect("elsewhere.sty"),
    "unknown_mode": struct.pack("<i", 7),
}
for name, data in settings.items():
    (corpus / "settings" / (name + ".sty")).write_bytes(data)
