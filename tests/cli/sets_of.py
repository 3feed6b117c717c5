#!/usr/bin/env python3
"""Sets of identical files: found by reading the files, or read back from twinsweep-cli.

    sets_of.py bytes < PATHS                  groups the files (NUL-separated paths) by bytes
    sets_of.py csv|json|jsonl FILE [PROTECTED]
                                              reads the command's output, checking each record
                                              against the file on disk (PROTECTED: the folder
                                              whose files are marked protected)
    sets_of.py trashed JSON TRASH             after --protect --keep oldest --trash: each set
                                              kept its protected or else its oldest file, the
                                              others are in TRASH, each with its info file
    sets_of.py linked JSON                    after --hardlink: each set is one file

The first two print one set per line: its paths as Python bytes literals, sorted and joined
by tabs; the sets sorted. Empty files are never duplicates, nor paths to one file of
each other, but every path to a file of a set is listed.
"""
import csv
import io
import json
import os
import stat
import sys
import time
import urllib.parse
from collections import Counter

FIELDS = ["set", "size", "path", "modified", "set_space_to_free", "protected"]


def fail(message):
    sys.exit(f"sets_of.py: {message}")


def show(sets):
    lines = sorted("\t".join(repr(p) for p in sorted(s)) for s in sets)
    sys.stdout.write("".join(line + "\n" for line in lines))


def by_bytes(paths):
    groups = {}  # bytes -> paths, files (device, inode)
    for path in paths:
        info = os.lstat(path)
        if stat.S_ISREG(info.st_mode) and info.st_size > 0:
            with open(path, "rb") as f:
                group = groups.setdefault(f.read(), ([], set()))
            group[0].append(path)
            group[1].add((info.st_dev, info.st_ino))
    return [names for names, files in groups.values() if len(files) > 1]


def from_csv(data):
    if not data.startswith(b",".join(f.encode() for f in FIELDS) + b"\r\n"):
        fail("the CSV header is wrong")
    if not data.endswith(b"\r\n"):
        fail("a CSV line does not end in CR LF")
    text = io.StringIO(data.decode("utf-8", "surrogateescape"), newline="")
    records = []
    for row in list(csv.reader(text))[1:]:
        if len(row) != len(FIELDS) or row[5] not in ("true", "false"):
            fail(f"bad CSV line {row!r}")
        records.append({"set": int(row[0]), "size": int(row[1]),
                        "path": row[2].encode("utf-8", "surrogateescape"), "modified": row[3],
                        "set_space_to_free": int(row[4]), "protected": row[5] == "true"})
    return records


def from_json(value):
    if list(value) != FIELDS:
        fail(f"bad fields {list(value)}")
    path = value["path"]
    if isinstance(path, list):
        path = bytes(path)
        try:
            path.decode("utf-8")
            fail(f"{path!r} is UTF-8 but written as bytes")
        except UnicodeDecodeError:
            pass
    else:
        path = path.encode("utf-8")
    return dict(value, path=path)


def read(kind, name):
    with open(name, "rb") as f:
        data = f.read()
    if kind == "csv":
        return from_csv(data)
    if kind == "json":
        return [from_json(v) for v in json.loads(data.decode("utf-8"))]
    if not data.endswith(b"\n") and data:
        fail("the last JSON line has no line end")
    return [from_json(json.loads(line.decode("utf-8"))) for line in data.splitlines()]


def grouped(records):
    sets = []
    for r in records:
        if r["set"] == len(sets):
            sets[-1].append(r)
        elif r["set"] == len(sets) + 1:
            sets.append([r])
        else:
            fail(f"set {r['set']} out of order")
    for s in sets:
        if len({(r["size"], r["set_space_to_free"]) for r in s}) != 1 or len(s) < 2:
            fail(f"set {s[0]['set']} is not a set of files of one size")
    return sets


def checked(sets, protected):
    for s in sets:
        files = {(i.st_dev, i.st_ino) for i in (os.lstat(r["path"]) for r in s)}
        if s[0]["set_space_to_free"] != s[0]["size"] * (len(files) - 1):
            fail(f"set {s[0]['set']}: {s[0]['set_space_to_free']} bytes to free")
    for r in (r for s in sets for r in s):
        info = os.lstat(r["path"])
        modified = time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(info.st_mtime))
        if (r["size"], r["modified"]) != (info.st_size, modified):
            fail(f"{r['path']!r}: {r['size']} bytes of {r['modified']}, on disk"
                 f" {info.st_size} of {modified}")
        inside = protected is not None and r["path"].startswith(protected + b"/")
        if r["protected"] != inside:
            fail(f"{r['path']!r} is marked protected: {r['protected']}")
    return sets


def content(path):
    with open(path, "rb") as f:
        return f.read()


def trashed(sets, trash):
    gone, moved = [], Counter()
    for s in sets:
        kept = [r for r in s if r["protected"]] or sorted(s, key=lambda r: r["modified"])
        for r in s:
            if r is kept[0]:
                moved[content(r["path"])] += len(s) - 1
            elif os.path.lexists(r["path"]):
                fail(f"{r['path']!r} is still there")
            else:
                gone.append(r["path"])
    files = os.path.join(trash, b"files")
    if Counter(content(os.path.join(files, n)) for n in os.listdir(files)) != moved:
        fail("the trash does not hold the bytes of the trashed files")
    info = os.path.join(trash, b"info")
    origins = []
    for name in os.listdir(info):
        for line in content(os.path.join(info, name)).splitlines():
            if line.startswith(b"Path="):
                origins.append(urllib.parse.unquote_to_bytes(line[5:]))
    if sorted(origins) != sorted(gone):
        fail(f"the trash remembers {sorted(origins)}, not {sorted(gone)}")


def linked(sets):
    for s in sets:
        files = {(i.st_dev, i.st_ino, i.st_size) for i in (os.lstat(r["path"]) for r in s)}
        if len(files) != 1 or files.pop()[2] != s[0]["size"]:
            fail(f"set {s[0]['set']} is not one file of {s[0]['size']} bytes")


def main(args):
    if args[0] == "bytes":
        show(by_bytes(p for p in sys.stdin.buffer.read().split(b"\0") if p))
    elif args[0] in ("csv", "json", "jsonl"):
        protected = os.fsencode(args[2]) if len(args) > 2 else None
        sets = checked(grouped(read(args[0], args[1])), protected)
        show([r["path"] for r in s] for s in sets)
    elif args[0] == "trashed":
        trashed(grouped(read("json", args[1])), os.fsencode(args[2]))
    elif args[0] == "linked":
        linked(grouped(read("json", args[1])))
    else:
        fail(f"unknown mode {args[0]}")


main(sys.argv[1:])
