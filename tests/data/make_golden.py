#!/usr/bin/python3
"""Writes the expected description blocks for the sample torrents.

Run from anywhere:  /usr/bin/python3 tests/data/make_golden.py
Output: golden/NAME.mode1.txt (full block) and golden/NAME.mode0.txt (short
block), exactly the bytes that describe_torrent returns: code page 936, CR LF
line ends, nothing added at the end.

Every block below is written out by hand from what the sample file holds
(see make_samples.py); nothing here decodes a torrent.  The comments show how
each size and date was worked out.

Size rules used in the comments:
  * rounding to one decimal = take |x| * 10, add 1e-12, whole part, +1 when
    the fraction is .5 or more, divide by 10 (halves go away from zero);
  * single-file size: bytes / 1048576, rounded, "%.13g" + " MB";
  * multi-file size: bytes / 1024 rounded and held as a float; below 1024 it
    is shown "%.6g" + " KB", otherwise (KB / 1024) rounded, "%.13g" + " MB";
  * piece length: bytes / 1024 rounded, "%.13g" + " KB" (never MB).
Dates are the creation date seconds added to 1970-01-01 08:00:00 (UTC+8).
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "golden")


def gbk(*parts):
    """Joins text (encoded to code page 936) and raw byte pieces."""
    return b"".join(p if isinstance(p, bytes) else p.encode("gbk") for p in parts)


INVALID = "\r\n******无效的种子或假种子******"

GOLDEN = {}

# ---------------------------------------------------------------------------
# single_file
#   size 4700000000 / 1048576 = 4482.2692...; x10 = 44822.69 -> 44823 -> 4482.3
#   piece length 262144 / 1024 = 256
#   1300000000 s -> 2011-03-13 07:06:40 UTC -> 15:06:40 at UTC+8
#   One file: its entry ends with a single line end; no publisher -> 匿名;
#   no announce-list, so the servers are the announce line and one more
#   line end.
GOLDEN["single_file"] = {
    "mode1": gbk(
        "∞:测试影片.mkv\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "测试影片.mkv  大小：4482.3 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2011年3月13日15时6分40秒\r\n"
        "\r\n"
        "√块大小：256 KB\r\n"
        "\r\n"
        "√生成种子的软件：TorrentMaker 1.0\r\n"
        "\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://tracker.example.com:8080/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:测试影片.mkv\r\n"
        "\r\n"
        "测试影片.mkv  大小：4482.3 MB\r\n"
        "\r\n"
        "√生成时间：2011年3月13日15时6分40秒\r\n"
        "\r\n"
        "√块大小：256 KB\r\n"
        "\r\n"
        "√生成种子的软件：TorrentMaker 1.0\r\n"
        "\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# multi_file
#   Each file is listed under its first path component only.
#   500 / 1024 = 0.488..; x10 = 4.88 -> 5 -> 0.5 KB
#   1000 / 1024 = 0.9765..; x10 = 9.77 -> 10 -> 1 KB
#   1048525 / 1024 = 1023.9502; x10 = 10239.502 -> 10240 -> 1024.0 KB, so MB:
#       1024 / 1024 = 1 -> 1 MB
#   1048576 / 1024 = 1024 KB -> 1 MB
#   4700000000 / 1024 = 4589843.75; x10 = 45898437.5 -> 45898438 -> 4589843.8,
#       as a float 4589844; / 1024 = 4482.2695; x10 = 44822.695 -> 4482.3 MB
#   name.utf-8 directly follows the name line, so the name field stops there.
#   No encoding key: the encoding line is empty and has no blank line after.
#   Publisher sits before publisher-url (an unknown key, kept as plain lines)
#   and the nodes key closes the field, so all three lines are shown, then
#   two empty lines.  The zero byte in pieces drops the fake publisher after
#   it.  Piece length 16384 / 1024 = 16.
#   2147483648 s -> 2038-01-19 03:14:08 UTC -> 11:14:08 at UTC+8
#   Servers: announce, then every announce-list address (tiers run on).
GOLDEN["multi_file"] = {
    "mode1": gbk(
        "∞:合集2011\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "文档  大小：0.5 KB\r\n"
        "\r\n"
        "文档  大小：1 KB\r\n"
        "\r\n"
        "音乐  大小：1 MB\r\n"
        "\r\n"
        "音乐  大小：1 MB\r\n"
        "\r\n"
        "视频.mkv  大小：4482.3 MB\r\n"
        "\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2038年1月19日11时14分8秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：BT工具 2.0\r\n"
        "\r\n"
        "√种子编码：\r\n"
        "√种子制作人：某发布组\r\n"
        "publisher-url\r\n"
        "http://pub.example.org/\r\n"
        "\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://tracker.example.com/announce\r\n"
        "http://tracker.example.com/announce\r\n"
        "http://backup.example.com/announce\r\n"
        "udp://open.example.net:6969/announce\r\n"
        "http://cn.example.cn/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:合集2011\r\n"
        "\r\n"
        "文档  大小：0.5 KB\r\n"
        "\r\n"
        "文档  大小：1 KB\r\n"
        "\r\n"
        "音乐  大小：1 MB\r\n"
        "\r\n"
        "音乐  大小：1 MB\r\n"
        "\r\n"
        "视频.mkv  大小：4482.3 MB\r\n"
        "\r\n"
        "\r\n"
        "√生成时间：2038年1月19日11时14分8秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：BT工具 2.0\r\n"
        "\r\n"
        "√种子编码：\r\n"
        "√种子制作人：某发布组\r\n"
        "publisher-url\r\n"
        "http://pub.example.org/\r\n"
        "\r\n"
    ),
}

# ---------------------------------------------------------------------------
# announce_long
#   The announce holds "|" characters; all of them go:
#       udp://one.example:80|udp://two.example:80|  ->  udp://one...:80udp://two...:80
#   The announce-list has 150 addresses of 43 bytes, 45 with the line end.
#   Only its first 5000 bytes are kept: 111 whole lines (4995 bytes) and the
#   first 5 bytes of the next one, "http:"; then the servers' own line end.
#   Single file of length 0 -> 0 MB.  Piece length 32768 / 1024 = 32.
#   57600 s = 16 h -> 1970-01-02 00:00:00 at UTC+8, midnight: date alone.
#   No creator and no encoding: both lines empty, no blank line after them.
LONG_TRACKERS = "".join(
    "http://tracker%03d.example.org:6969/announce\r\n" % i for i in range(111)
) + "http:"
assert len(LONG_TRACKERS) == 5000

GOLDEN["announce_long"] = {
    "mode1": gbk(
        "∞:long.txt\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "long.txt  大小：0 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月2日\r\n"
        "\r\n"
        "√块大小：32 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "udp://one.example:80udp://two.example:80\r\n",
        LONG_TRACKERS,
        "\r\n",
    ),
    "mode0": gbk(
        "∞:long.txt\r\n"
        "\r\n"
        "long.txt  大小：0 MB\r\n"
        "\r\n"
        "√生成时间：1970年1月2日\r\n"
        "\r\n"
        "√块大小：32 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# gbk_legacy
#   The text holds "GBK" (the encoding value), so nothing is converted: the
#   GBK bytes of the names are shown as they are.
#   No creation date -> 0 s -> 1970-01-01 08:00:00 -> "8时".  No publisher.
#   1536 / 1024 = 1.5 KB; 2048 -> 2 KB; 3072 -> 3 KB.  65536 / 1024 = 64.
#   The second path is "bad" + 0xB0, a lead byte with no trail.  Searching
#   steps over two-byte characters, so 0xB0 takes the "\r" after it as its
#   second byte and that line end is not seen.  The path piece runs on to
#   the next line end: "bad" 0xB0 "\r\n#::length=3072".  The lengths are
#   still all three (the "#" after the stray "\n" is a character start).
GOLDEN["gbk_legacy"] = {
    "mode1": gbk(
        "∞:老种子合集\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "中文目录  大小：1.5 KB\r\n"
        "\r\n",
        b"bad\xb0\r\n#::length=3072",
        "  大小：2 KB\r\n"
        "\r\n"
        "最后.txt  大小：3 KB\r\n"
        "\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：64 KB\r\n"
        "\r\n"
        "√生成种子的软件：老工具\r\n"
        "\r\n"
        "√种子编码：GBK\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://bt.example.cn/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:老种子合集\r\n"
        "\r\n"
        "中文目录  大小：1.5 KB\r\n"
        "\r\n",
        b"bad\xb0\r\n#::length=3072",
        "  大小：2 KB\r\n"
        "\r\n"
        "最后.txt  大小：3 KB\r\n"
        "\r\n"
        "\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：64 KB\r\n"
        "\r\n"
        "√生成种子的软件：老工具\r\n"
        "\r\n"
        "√种子编码：GBK\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# gbk_lowercase
#   "gbk" in lower case is not "GBK": the UTF-8 text is converted.
#   123456789 / 1048576 = 117.7376; x10 = 1177.38 -> 1177 -> 117.7 MB
#   Piece length 1048576 / 1024 = 1024 KB (piece sizes stay in KB).
#   57660 s = 16 h 1 min -> 1970-01-02 00:01:00: hour 0 still written.
GOLDEN["gbk_lowercase"] = {
    "mode1": gbk(
        "∞:小写编码.txt\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "小写编码.txt  大小：117.7 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月2日0时1分\r\n"
        "\r\n"
        "√块大小：1024 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：gbk\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:小写编码.txt\r\n"
        "\r\n"
        "小写编码.txt  大小：117.7 MB\r\n"
        "\r\n"
        "√生成时间：1970年1月2日0时1分\r\n"
        "\r\n"
        "√块大小：1024 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：gbk\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# non_gbk_char
#   Name 泰文 U+0E01 - U+01CE - a U+030C .txt
#   U+0E01 has no code page 936 form -> "?".  U+01CE is 0xA8A3.  "a" followed
#   by the combining caron is joined into U+01CE first, so it is 0xA8A3 too.
#   524288 / 1048576 = 0.5 MB.  4194304 / 1024 = 4096 KB.
#   4102444799 s -> 2099-12-31 23:59:59 UTC -> 2100-01-01 07:59:59 at UTC+8.
NON_GBK_NAME = "泰文?-\u01ce-\u01ce.txt"

GOLDEN["non_gbk_char"] = {
    "mode1": gbk(
        "∞:" + NON_GBK_NAME + "\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        + NON_GBK_NAME + "  大小：0.5 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2100年1月1日7时59分59秒\r\n"
        "\r\n"
        "√块大小：4096 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:" + NON_GBK_NAME + "\r\n"
        "\r\n"
        + NON_GBK_NAME + "  大小：0.5 MB\r\n"
        "\r\n"
        "√生成时间：2100年1月1日7时59分59秒\r\n"
        "\r\n"
        "√块大小：4096 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# path_named_name
#   The second file's path is ["name", "b.txt"]: its first component is the
#   marker "#::name=", so the key text of the files reads
#       #::length=100 / #::path=a.txt / #::length=200 / #::path=#::name=b.txt / ...
#   The file section stops at that first "#::name": it ends with a bare
#   "#::path=" that has no line end after it, so the second path is empty.
#   Lengths 100 and 200; the third file is not listed.
#   100 / 1024 = 0.0977; x10 = 0.98 -> 1 -> 0.1 KB
#   200 / 1024 = 0.1953; x10 = 1.95 -> 2 -> 0.2 KB
#   The name is the first "#::name=" field: "b.txt" (up to "#::length=300").
#   No creation date -> 1970年1月1日8时.
GOLDEN["path_named_name"] = {
    "mode1": gbk(
        "∞:b.txt\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "a.txt  大小：0.1 KB\r\n"
        "\r\n"
        "  大小：0.2 KB\r\n"
        "\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:b.txt\r\n"
        "\r\n"
        "a.txt  大小：0.1 KB\r\n"
        "\r\n"
        "  大小：0.2 KB\r\n"
        "\r\n"
        "\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# capital_keys
#   ANNOUNCE in capitals: "#::announce=" is not found, so the servers are the
#   announce-list alone plus a line end.
#   info holds NAME (capitals, before files) and name: only the lower-case
#   one is found, so the name is 小写名 and 大写名 is never shown.
#   Files: LENGTH 1024 one.bin, length 2048 two.bin, LENGTH 3072 three.bin.
#   The section starts at the first lower-case "#::length=" (two.bin), so
#   one.bin drops out; inside it the length pieces ignore case and take
#   both 2048 and 3072 -> 2 KB and 3 KB.
#   1234567890 s -> 2009-02-13 23:31:30 UTC -> 2009-02-14 07:31:30 at UTC+8.
GOLDEN["capital_keys"] = {
    "mode1": gbk(
        "∞:小写名\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "two.bin  大小：2 KB\r\n"
        "\r\n"
        "three.bin  大小：3 KB\r\n"
        "\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2009年2月14日7时31分30秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://list1.example.com/announce\r\n"
        "http://list2.example.com/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:小写名\r\n"
        "\r\n"
        "two.bin  大小：2 KB\r\n"
        "\r\n"
        "three.bin  大小：3 KB\r\n"
        "\r\n"
        "\r\n"
        "√生成时间：2009年2月14日7时31分30秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# not_torrent: plain text, first byte "T" (a bencoded dictionary further on
# must not be picked up).  no_known_keys: a valid dictionary whose keys are
# all unknown, so the key text has no marker at all.  Both give the invalid
# message in either mode.
GOLDEN["not_torrent"] = {"mode1": gbk(INVALID), "mode0": gbk(INVALID)}
GOLDEN["no_known_keys"] = {"mode1": gbk(INVALID), "mode0": gbk(INVALID)}

# ---------------------------------------------------------------------------
# truncated
#   The file stops 100 bytes into a 200-byte pieces value; the top-level
#   publisher after info is lost.  Everything before pieces is shown.
#   1310720 / 1048576 = 1.25; x10 = 12.5 -> half goes up -> 13 -> 1.3 MB
#   57605 s -> 1970-01-02 00:00:05: hour and minute written though both 0.
GOLDEN["truncated"] = {
    "mode1": gbk(
        "∞:截断.bin\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "截断.bin  大小：1.3 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月2日0时0分5秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：TorrentMaker 1.0\r\n"
        "\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:截断.bin\r\n"
        "\r\n"
        "截断.bin  大小：1.3 MB\r\n"
        "\r\n"
        "√生成时间：1970年1月2日0时0分5秒\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：TorrentMaker 1.0\r\n"
        "\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# trailing_bytes
#   A whole torrent followed by "d9:publisher5:Ghost7:comment2:hie"; bytes
#   after the closing "e" are not read, so there is no publisher.
#   1048576 -> 1 MB.  524288 / 1024 = 512 KB.
#   1700000000 s -> 2023-11-14 22:13:20 UTC -> 2023-11-15 06:13:20 at UTC+8.
GOLDEN["trailing_bytes"] = {
    "mode1": gbk(
        "∞:附加.dat\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "附加.dat  大小：1 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2023年11月15日6时13分20秒\r\n"
        "\r\n"
        "√块大小：512 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:附加.dat\r\n"
        "\r\n"
        "附加.dat  大小：1 MB\r\n"
        "\r\n"
        "√生成时间：2023年11月15日6时13分20秒\r\n"
        "\r\n"
        "√块大小：512 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：UTF-8\r\n"
        "\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# more_paths_than_lengths
#   Entries: (256, a.bin), (no length, b.bin), (10240, c.bin).
#   Lengths [256, 10240] pair with paths [a.bin, b.bin, c.bin] by position;
#   c.bin has no length left and shows 0.
#   256 / 1024 = 0.25; x10 = 2.5 -> half goes up -> 3 -> 0.3 KB
#   10240 / 1024 = 10 KB.  Piece length 32768 / 1024 = 32.
#   946684800 s -> 2000-01-01 00:00:00 UTC -> 08:00:00 at UTC+8 -> "8时".
GOLDEN["more_paths_than_lengths"] = {
    "mode1": gbk(
        "∞:缺长度\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "a.bin  大小：0.3 KB\r\n"
        "\r\n"
        "b.bin  大小：10 KB\r\n"
        "\r\n"
        "c.bin  大小：0 KB\r\n"
        "\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：2000年1月1日8时\r\n"
        "\r\n"
        "√块大小：32 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/announce\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:缺长度\r\n"
        "\r\n"
        "a.bin  大小：0.3 KB\r\n"
        "\r\n"
        "b.bin  大小：10 KB\r\n"
        "\r\n"
        "c.bin  大小：0 KB\r\n"
        "\r\n"
        "\r\n"
        "√生成时间：2000年1月1日8时\r\n"
        "\r\n"
        "√块大小：32 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
    ),
}

# ---------------------------------------------------------------------------
# malformed_member
#   Key text, line by line:
#     #::announce=http://t.example.org/ann
#     #::created by=                          (0: -> empty line)
#     #::creation date=99999999999999999999999
#     #::encoding=                            (ie -> empty line)
#     #::info=#::length=99999999999999999999
#     #::name=bad.value
#     #::piece length=1280
#     bad
#     (i-9 fails at "-": info ends; the top level goes on at "9")
#     #::publisher=Ghost
#     #::comment=oke                          (huge declared length: the rest)
#   Creator and encoding are a bare line end each, so a blank line follows.
#   Creation date saturates to 9223372036854775807 s, far past year 9999:
#   shown as the last representable moment 9999-12-31 23:59:59.
#   Length saturates to 9223372036854775807; / 1048576 = 8796093022207.99..
#   (2^43 = 8796093022208 in double); rounded -> 8796093022208 MB, 13 digits.
#   Piece length field "1280\r\nbad\r\n" reads 1280; / 1024 = 1.25; x10 = 12.5
#   -> 13 -> 1.3 KB.  Publisher "Ghost" is followed by the comment marker, so
#   it is shown, then two empty lines.
GOLDEN["malformed_member"] = {
    "mode1": gbk(
        "∞:bad.value\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "bad.value  大小：8796093022208 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：9999年12月31日23时59分59秒\r\n"
        "\r\n"
        "√块大小：1.3 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "\r\n"
        "√种子编码：\r\n"
        "\r\n"
        "√种子制作人：Ghost\r\n"
        "\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://t.example.org/ann\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:bad.value\r\n"
        "\r\n"
        "bad.value  大小：8796093022208 MB\r\n"
        "\r\n"
        "√生成时间：9999年12月31日23时59分59秒\r\n"
        "\r\n"
        "√块大小：1.3 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "\r\n"
        "√种子编码：\r\n"
        "\r\n"
        "√种子制作人：Ghost\r\n"
        "\r\n"
    ),
}

# ---------------------------------------------------------------------------
# deep_nesting
#   After the info dictionary the nodes key opens 200000 lists that never
#   close.  Nothing inside them adds to the key text, so the block is that
#   of the fields before it.  2048 / 1048576 = 0.00195; x10 = 0.02 -> 0 -> 0 MB.
GOLDEN["deep_nesting"] = {
    "mode1": gbk(
        "∞:deep.bin\r\n"
        "\r\n"
        "------以下为种子中的文件------\r\n"
        "deep.bin  大小：0 MB\r\n"
        "------以下为种子附加信息------\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
        "\r\n"
        "------以下为种子连接服务器------\r\n"
        "http://deep.example.org/\r\n"
        "\r\n"
    ),
    "mode0": gbk(
        "∞:deep.bin\r\n"
        "\r\n"
        "deep.bin  大小：0 MB\r\n"
        "\r\n"
        "√生成时间：1970年1月1日8时\r\n"
        "\r\n"
        "√块大小：16 KB\r\n"
        "\r\n"
        "√生成种子的软件：\r\n"
        "√种子编码：\r\n"
        "√种子制作人：匿名\r\n"
    ),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, modes in GOLDEN.items():
        for mode, data in modes.items():
            with open(os.path.join(OUT, "%s.%s.txt" % (name, mode)), "wb") as f:
                f.write(data)
        print(name)


if __name__ == "__main__":
    main()
