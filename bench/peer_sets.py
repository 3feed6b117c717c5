#!/usr/bin/env python3
"""Turns a duplicate finder's output into sets of identical non-empty files.

    peer_sets.py FORMAT OUTPUT_FILE

FORMAT: ours (scan-folder), blocks (jdupes, fdupes, rmlint -o fdupes: paths, one set per
block of lines), rdfind (its results file). Prints one set per line, the normalised paths
of a set sorted and joined by TAB, the sets sorted; empty files are left out.
"""
import os
import sys


def ours(data):
    lines = data.split(b"\r\n")
    counts = [int(x) for x in lines[:4]]
    at = 4
    lists = []
    for n in counts:
        lists.append(lines[at:at + n])
        at += n
    references, groups, members, _ = lists
    if len(groups) != len(members):
        sys.exit("LL1 and LBB2 differ in length")
    # Groups overlap (k identical files give k-1 groups): join them into connected sets.
    parent = {}

    def find(x):
        parent.setdefault(x, x)
        while parent[x] != x:
            parent[x] = parent[parent[x]]
            x = parent[x]
        return x

    for group, member in zip(groups, members):
        parent[find(member)] = find(references[int(group)])
    sets = {}
    for path in parent:
        sets.setdefault(find(path), set()).add(path)
    return list(sets.values())


def blocks(data):
    sets, current = [], set()
    for line in data.split(b"\n") + [b""]:
        if line.strip():
            current.add(line)
        elif current:
            sets.append(current)
            current = set()
    return sets


def rdfind(data):
    sets = {}
    for line in data.split(b"\n"):
        if line.startswith(b"DUPTYPE_"):
            fields = line.split(b" ", 7)
            sets.setdefault(abs(int(fields[1])), set()).add(fields[7])
    return list(sets.values())


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("ours", "blocks", "rdfind"):
        sys.exit(__doc__)
    with open(sys.argv[2], "rb") as f:
        data = f.read()
    parsed = globals()[sys.argv[1]](data)
    out = []
    for found in parsed:
        paths = sorted({os.path.normpath(os.path.abspath(p)) for p in found})
        if len(paths) > 1 and os.path.getsize(paths[0]) > 0:
            out.append(b"\t".join(paths))
    out.sort()
    sys.stdout.buffer.write(b"".join(line + b"\n" for line in out))


if __name__ == "__main__":
    main()
