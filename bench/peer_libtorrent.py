#!/usr/bin/python3
"""Reference peer for the benchmark: describe torrents with libtorrent.

Usage: peer_libtorrent.py PATH... | @LISTFILE...

One process for all paths. For each torrent it loads lt.torrent_info and
builds a text block (name, every file with its size, totals, creation
date, creator, comment, piece length, trackers), then writes all blocks to
stdout. Needs Debian's python3-libtorrent. Exits 1 if any file failed to
load (after trying the rest).
"""

import sys
import time

import libtorrent as lt


def expand(args):
    for a in args:
        if a.startswith("@"):
            with open(a[1:], encoding="utf-8") as f:
                for line in f:
                    line = line.rstrip("\n")
                    if line:
                        yield line
        else:
            yield a


def describe(path):
    ti = lt.torrent_info(path)
    fs = ti.files()
    n = fs.num_files()
    out = [path, f"name: {ti.name()}"]
    for i in range(n):
        out.append(f"  {fs.file_path(i)}  size: {fs.file_size(i)}")
    out.append(f"files: {n}  total: {ti.total_size()}")
    date = ti.creation_date()
    if date:
        out.append("created: " + time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(date)))
    if ti.creator():
        out.append(f"created by: {ti.creator()}")
    if ti.comment():
        out.append(f"comment: {ti.comment()}")
    out.append(f"piece length: {ti.piece_length()}  pieces: {ti.num_pieces()}")
    for ae in ti.trackers():
        out.append(f"tracker {ae.tier}: {ae.url}")
    out.append("")
    return "\n".join(out)


def main(argv):
    out = open(sys.stdout.fileno(), "w", encoding="utf-8", errors="replace",
               newline="\n", closefd=False, buffering=1 << 20)
    status = 0
    for path in expand(argv[1:]):
        try:
            out.write(describe(path))
            out.write("\n")
        except Exception as e:  # keep going: report every broken file
            print(f"{path}: {e}", file=sys.stderr)
            status = 1
    out.flush()
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
