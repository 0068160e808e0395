#!/usr/bin/python3
"""Writes the sample torrent files used by the description tests.

Run from anywhere:  /usr/bin/python3 tests/data/make_samples.py
The output is deterministic; the files under samples/ are committed, so this
script only needs to run again when a sample is changed.

Well-formed samples go through the small bencoder below (dictionary keys are
sorted by their bytes, as torrent makers do).  Hostile samples are spliced
together from Raw byte pieces so that they can break the format on purpose.
The expected descriptions live in make_golden.py and are written out by hand,
not computed from these files.
"""

import hashlib
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "samples")


class Raw:
    """Bytes copied into the output as they are, with no bencoding."""

    def __init__(self, data):
        self.data = data


def b(value):
    return value if isinstance(value, bytes) else value.encode("utf-8")


def benc(value):
    if isinstance(value, Raw):
        return value.data
    if isinstance(value, bool):
        raise TypeError("no booleans in bencoding")
    if isinstance(value, int):
        return b"i%de" % value
    if isinstance(value, (str, bytes)):
        data = b(value)
        return b"%d:" % len(data) + data
    if isinstance(value, list):
        return b"l" + b"".join(benc(v) for v in value) + b"e"
    if isinstance(value, dict):
        items = sorted(((b(k), v) for k, v in value.items()), key=lambda kv: kv[0])
        return b"d" + b"".join(benc(k) + benc(v) for k, v in items) + b"e"
    raise TypeError(type(value))


def hash_bytes(seed, count):
    """Deterministic stand-in for SHA-1 piece hashes.

    Zero bytes and "#" are left out so that a value is never cut early and
    never holds a marker by accident; samples that want those bytes put them
    in on purpose.
    """
    out = bytearray()
    counter = 0
    while len(out) < count:
        block = hashlib.sha256(b"%s/%d" % (seed.encode(), counter)).digest()
        counter += 1
        out.extend(x for x in block if x not in (0x00, 0x23))
    data = bytes(out[:count])
    assert b"GBK" not in data
    return data


SAMPLES = {}


def sample(name):
    def register(fn):
        SAMPLES[name] = fn
        return fn

    return register


@sample("single_file")
def single_file():
    return benc({
        "announce": "http://tracker.example.com:8080/announce",
        "created by": "TorrentMaker 1.0",
        "creation date": 1300000000,
        "encoding": "UTF-8",
        "info": {
            "length": 4700000000,
            "name": "测试影片.mkv",
            "piece length": 262144,
            "pieces": hash_bytes("single_file", 200),
        },
    })


def multi_file_pieces():
    # Line-ending bytes inside the hash, then a zero byte.  Everything after
    # the zero byte is dropped from the key text, including the fake
    # publisher key planted there; the decoder must still skip the whole
    # declared length and go on with the real keys after it.
    pieces = (hash_bytes("multi_file/a", 40) + b"\r\n"
              + hash_bytes("multi_file/b", 36) + b"\r\n"
              + b"\x00"
              + b"\r\n#::publisher=Ghost\r\n9:publisher5:Ghost"
              + hash_bytes("multi_file/c", 20))
    return pieces


@sample("multi_file")
def multi_file():
    return benc({
        "announce": "http://tracker.example.com/announce",
        "announce-list": [
            ["http://tracker.example.com/announce", "http://backup.example.com/announce"],
            ["udp://open.example.net:6969/announce"],
            ["http://cn.example.cn/announce"],
        ],
        "comment": "中文注释",
        "created by": "BT工具 2.0",
        "creation date": 2147483648,
        "info": {
            "files": [
                {"length": 500, "path": ["文档", "说明.txt"]},
                {"length": 1000, "path": ["文档", "readme.txt"]},
                {"length": 1048525, "path": ["音乐", "01.mp3"]},
                {"length": 1048576, "path": ["音乐", "子目录", "02.mp3"]},
                {"length": 4700000000, "path": ["视频.mkv"]},
            ],
            "name": "合集2011",
            "name.utf-8": "合集UTF8",
            "piece length": 16384,
            "pieces": multi_file_pieces(),
            "publisher": "某发布组",
            "publisher-url": "http://pub.example.org/",
        },
        "nodes": [["router.example.net", 6881]],
    })


def long_tracker(i):
    return "http://tracker%03d.example.org:6969/announce" % i


@sample("announce_long")
def announce_long():
    # 150 tiers of one 43-byte address each: 45 bytes per line with its line
    # ending, 6750 bytes in all, so the 5000-byte cut falls inside line 112.
    assert all(len(long_tracker(i)) == 43 for i in range(150))
    return benc({
        "announce": "udp://one.example:80|udp://two.example:80|",
        "announce-list": [[long_tracker(i)] for i in range(150)],
        "creation date": 57600,
        "info": {
            "length": 0,
            "name": "long.txt",
            "piece length": 32768,
            "pieces": hash_bytes("announce_long", 60),
        },
    })


@sample("gbk_legacy")
def gbk_legacy():
    # An older maker that wrote GBK bytes and said so.  The second file's
    # name ends in a lone lead byte (0xB0), as when a name was cut in the
    # middle of a character.
    g = lambda s: s.encode("gbk")
    return benc({
        "announce": "http://bt.example.cn/announce",
        "created by": g("老工具"),
        "encoding": "GBK",
        "info": {
            "files": [
                {"length": 1536, "path": [g("中文目录"), "a.txt"]},
                {"length": 2048, "path": [b"bad\xb0"]},
                {"length": 3072, "path": [g("最后.txt")]},
            ],
            "name": g("老种子合集"),
            "piece length": 65536,
            "pieces": hash_bytes("gbk_legacy", 100),
        },
    })


@sample("gbk_lowercase")
def gbk_lowercase():
    return benc({
        "announce": "http://t.example.org/announce",
        "creation date": 57660,
        "encoding": "gbk",
        "info": {
            "length": 123456789,
            "name": "小写编码.txt",
            "piece length": 1048576,
            "pieces": hash_bytes("gbk_lowercase", 60),
        },
    })


@sample("non_gbk_char")
def non_gbk_char():
    # U+0E01 (Thai) has no code page 936 form.  The first tone-marked vowel
    # is the precomposed U+01CE, the second is "a" followed by the combining
    # caron U+030C.
    return benc({
        "announce": "http://t.example.org/announce",
        "creation date": 4102444799,
        "encoding": "UTF-8",
        "info": {
            "length": 524288,
            "name": "泰文\u0e01-\u01ce-a\u030c.txt",
            "piece length": 4194304,
            "pieces": hash_bytes("non_gbk_char", 60),
        },
    })


@sample("path_named_name")
def path_named_name():
    return benc({
        "announce": "http://t.example.org/announce",
        "info": {
            "files": [
                {"length": 100, "path": ["a.txt"]},
                {"length": 200, "path": ["name", "b.txt"]},
                {"length": 300, "path": ["c.txt"]},
            ],
            "name": "真名",
            "piece length": 16384,
            "pieces": hash_bytes("path_named_name", 60),
        },
    })


@sample("capital_keys")
def capital_keys():
    return benc({
        "ANNOUNCE": "http://upper.example.com/announce",
        "announce-list": [["http://list1.example.com/announce"],
                          ["http://list2.example.com/announce"]],
        "creation date": 1234567890,
        "info": {
            "NAME": "大写名",
            "files": [
                {"LENGTH": 1024, "path": ["one.bin"]},
                {"length": 2048, "path": ["two.bin"]},
                {"LENGTH": 3072, "path": ["three.bin"]},
            ],
            "name": "小写名",
            "piece length": 16384,
            "pieces": hash_bytes("capital_keys", 60),
        },
    })


@sample("not_torrent")
def not_torrent():
    return b"This is not a torrent file.\r\nd8:announce3:abce\r\n"


@sample("no_known_keys")
def no_known_keys():
    return benc({"foo": "bar", "hello": 42})


def truncated_full():
    return benc({
        "announce": "http://t.example.org/announce",
        "created by": "TorrentMaker 1.0",
        "creation date": 57605,
        "encoding": "UTF-8",
        "info": {
            "length": 1310720,
            "name": "截断.bin",
            "piece length": 16384,
            "pieces": hash_bytes("truncated", 200),
        },
        "publisher": "丢失的发布者",
    })


@sample("truncated")
def truncated():
    full = truncated_full()
    cut = full.index(b"6:pieces200:") + len(b"6:pieces200:") + 100
    return full[:cut]


@sample("trailing_bytes")
def trailing_bytes():
    torrent = benc({
        "announce": "http://t.example.org/announce",
        "creation date": 1700000000,
        "encoding": "UTF-8",
        "info": {
            "length": 1048576,
            "name": "附加.dat",
            "piece length": 524288,
            "pieces": hash_bytes("trailing_bytes", 60),
        },
    })
    # Junk that would show a publisher if anything after the torrent's own
    # closing "e" were decoded.
    return torrent + b"d9:publisher5:Ghost7:comment2:hie"


@sample("more_paths_than_lengths")
def more_paths_than_lengths():
    # The middle entry has no length: lengths pair with paths by position.
    return benc({
        "announce": "http://t.example.org/announce",
        "creation date": 946684800,
        "info": {
            "files": [
                {"length": 256, "path": ["a.bin"]},
                {"path": ["b.bin"]},
                {"length": 10240, "path": ["c.bin"]},
            ],
            "name": "缺长度",
            "piece length": 32768,
            "pieces": hash_bytes("more_paths_than_lengths", 60),
        },
    })


@sample("malformed_member")
def malformed_member():
    # Hand-spliced.  Inside info, "3:bad" is followed by a negative integer:
    # that ends the info dictionary, and the top level goes on one byte
    # after the "-", where "9:publisher5:Ghost7:comment" happen to decode.
    # The last string declares a length far beyond 64 bits.
    parts = [
        b"d",
        benc("announce"), benc("http://t.example.org/ann"),
        benc("created by"), b"0:",
        benc("creation date"), b"i99999999999999999999999e",
        benc("encoding"), b"ie",
        benc("info"), b"d",
        benc("length"), b"i99999999999999999999e",
        benc("name"), benc("bad.value"),
        benc("piece length"), b"i1280e",
        benc("bad"), b"i-9:publisher5:Ghost",
        benc("comment"), b"99999999999999999999999:ok",
        b"e",
    ]
    return b"".join(parts)


@sample("deep_nesting")
def deep_nesting():
    head = benc({
        "announce": "http://deep.example.org/",
        "info": {
            "length": 2048,
            "name": "deep.bin",
            "piece length": 16384,
            "pieces": hash_bytes("deep_nesting", 20),
        },
    })
    # Reopen the top-level dictionary and add a nodes key whose value is an
    # unclosed stack of 200000 lists with nothing inside.
    return head[:-1] + benc("nodes") + b"l" * 200000


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, fn in SAMPLES.items():
        data = fn()
        with open(os.path.join(OUT, name + ".torrent"), "wb") as f:
            f.write(data)
        print("%-26s %8d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
