#!/usr/bin/python3
"""Generate the benchmark collection of .torrent files.

Usage: gen_collection.py [OUTDIR]      (default: <repo>/build/bench/collection)

Writes, under OUTDIR:
  t/NN/NNNNN.torrent   10,000 torrents of the kinds people actually share
  big.torrent          one torrent of 50,000 files in nested folders
  tiny.torrent         a minimal single-file torrent (memory baseline)
  paths.txt            the 10,000 collection paths, relative to OUTDIR
  .stamp               written last; names VERSION and SEED

The output is a pure function of VERSION and SEED. When .stamp matches,
nothing is done; bump VERSION whenever the generator changes so that an
existing collection gets rebuilt. Python 3 standard library only.
"""

import calendar
import math
import os
import random
import shutil
import sys
import time

VERSION = 1
SEED = 20240611
COUNT = 10_000
BIG_FILES = 50_000
STAMP = f"morvalebt bench collection v{VERSION} seed={SEED} count={COUNT} big={BIG_FILES}\n"

KiB = 1024
MiB = 1024 * KiB
GiB = 1024 * MiB


# --------------------------------------------------------------------------
# bencoding

def bencode(value):
    out = bytearray()
    _enc(value, out)
    return bytes(out)


def _enc(v, out):
    if isinstance(v, bytes):
        out += b"%d:" % len(v)
        out += v
    elif isinstance(v, str):
        b = v.encode("utf-8")
        out += b"%d:" % len(b)
        out += b
    elif isinstance(v, bool):
        raise TypeError("bool is not bencodable")
    elif isinstance(v, int):
        out += b"i%de" % v
    elif isinstance(v, list):
        out += b"l"
        for x in v:
            _enc(x, out)
        out += b"e"
    elif isinstance(v, dict):
        items = [(k.encode("utf-8") if isinstance(k, str) else k, x) for k, x in v.items()]
        items.sort(key=lambda kv: kv[0])  # raw byte order, as bencoding requires
        out += b"d"
        for k, x in items:
            out += b"%d:" % len(k)
            out += k
            _enc(x, out)
        out += b"e"
    else:
        raise TypeError(type(v))


# --------------------------------------------------------------------------
# word pools (all Chinese text here must be encodable in GBK)

ZH_WORDS = (
    "流浪 地球 长城 江湖 侠客 明月 青春 岁月 故乡 远方 风云 天下 山河 星辰 大海 人间 烟火 "
    "少年 归来 追梦 花开 雪落 春风 秋水 夜色 黎明 光阴 往事 传奇 英雄 城市 记忆 彩虹 梦想 "
    "旅途 秘密 森林 草原 沙漠 港湾 灯塔 河流 白云 红尘 知己 家园 守望 奔跑 飞翔 寻找 重逢 "
    "告别 约定 初心 时光 世界 未来 古镇 长安 江南 西湖 黄河 长江 昆仑 敦煌 桃花 竹林 茶馆 "
    "书院 武林 剑客 将军 公主 侦探 医生 老师 兄弟 姐妹 父亲 母亲 朋友 北方 南国 山谷 雨夜 "
    "晨曦 落日 孤岛 边城 码头 列车 信笺 琴声 灯火 飞鸟 鲸鱼 狐狸 白马 金色 深蓝 银河"
).split()
ZH_TAGS = (
    "国语中字 中英双字 高清 超清 蓝光 无损 完整版 未删减版 导演剪辑版 修复版 珍藏版 "
    "简体中文 繁体中文 双语字幕 国粤双语 内封字幕 典藏版"
).split()
ZH_SUBJECTS = (
    "数学 物理 化学 生物 历史 地理 语文 英语 日语 编程 算法 数据结构 机器学习 经济学 "
    "心理学 哲学 法律 医学 建筑 设计 摄影 绘画 书法 乐理 烹饪 园艺 中医 会计 管理学 市场营销"
).split()
ZH_COURSE = "入门 基础 进阶 高级 实战 精讲 全集 教程 课程 讲座 详解 指南 原理 应用 案例分析".split()
ZH_BOOK = "概论 简史 原理 导论 手册 大全 教程 笔记 研究 通论 选集 文集 讲义 习题集".split()
ZH_CITY = "北京 上海 广州 深圳 杭州 成都 重庆 西安 南京 苏州 厦门 青岛 大理 丽江 桂林 拉萨 哈尔滨 昆明 武汉 长沙".split()
ZH_PHOTO = "风景 街拍 夜景 人像 建筑 花卉 航拍 日出 雪景 古镇 园林 市井".split()
ZH_SURNAME = "王 李 张 刘 陈 杨 赵 黄 周 吴 徐 孙 胡 朱 高 林 何 郭 马 罗".split()
ZH_GIVEN = "小明 晓燕 子豪 雨婷 志强 丽娟 海涛 静怡 建国 秀英 文杰 思远 慧敏 俊杰 欣怡 天宇 梦琪 浩然 嘉欣 宇航".split()
ZH_DOCS = "说明 使用说明 安装说明 更新日志 授权协议 封面 目录 前言 附录 课件 资料 素材 配套代码".split()
ZH_SOFT = "办公套件 图像处理 视频剪辑 输入法 压缩工具 杀毒软件 下载工具 播放器 词典 字体合集 驱动程序 开发工具".split()
ZH_GAME = "仙侠 三国 武侠 赛车 足球 围棋 象棋 模拟城市 战略 冒险".split()

EN_WORDS = (
    "Silent River Night Journey Ocean Dream Light Shadow Winter Summer Golden Broken Echo "
    "Storm Garden Paper Glass Iron Crimson Northern Lost Hidden Wild Last First City Road "
    "Fire Stone Moon Star Heart Ghost Harbor Valley Mountain Signal Empire Kingdom Machine "
    "Horizon Desert Forest Island Bridge Tower Letter Memory Secret Distance Orchard Lantern"
).split()
EN_FIRST = "Anna Ben Clara David Elena Felix Grace Henry Iris Jonas Kate Leo Maya Noah Olivia Paul Rosa Sam Tara Victor".split()
EN_LAST = "Hart Bloom Carver Dale Ellis Frost Gray Hale Irwin Jones Kerr Lane Moss North Park Quinn Reed Stone Vale Wren".split()
EN_SUBJECTS = (
    "Calculus Physics Chemistry Biology History Geography Linguistics Programming Algorithms "
    "Statistics Economics Psychology Philosophy Law Medicine Architecture Design Photography "
    "Painting Cooking Gardening Accounting Networking Databases Compilers"
).split()
EN_SOFT = "Office Suite|Photo Editor|Video Studio|Archiver|Media Player|Font Pack|Driver Pack|Dev Tools|Disk Utility|CAD Viewer".split("|")
GROUPS = "KLX ORBITAL NVX TIDEHD QXR PANDA LUMEN ZHRIP HDZone MOONLIT FRAME CASK".split()
RES = ["720p", "1080p", "1080p", "1080p", "2160p"]
SOURCES = ["BluRay", "WEB-DL", "WEBRip", "HDTV", "BDRip"]
CODECS = ["x264", "x265", "H.264", "HEVC", "AVC"]
AUDIO = ["AAC", "DTS", "DDP5.1", "AC3", "FLAC", "TrueHD.7.1"]

CREATORS = [
    "Seedwright 1.4.2", "Seedwright 2.0.1", "PieceForge/0.9.7", "Kestrel 4.6.3",
    "Kestrel 5.0.1", "HarborShare 2.2.1 (build 45)", "tmake 1.1", "TideClient/3.5.4",
    "Lantern 1.7.6", "Lantern 2.1.0",
]
OLD_CREATORS = ["HarborShare 0.7.0", "Seedwright 0.9", "TideClient/1.2.0", "Kestrel 2.0.4"]

_TR_WORDS = (
    "opentide seedline lanternfish bluekite riverstone moonwell copperfox northgate quietbay "
    "pinecone sandpiper stormcrow ivyleaf greenhill tinpot owlnest cobalt emberlight harborview duskwind"
).split()
_TR_TLDS = ["org", "net", "com", "cc", "io", "cn", "info", "to"]
_TR_PORTS = [6969, 1337, 80, 2710, 8080, 451, 2810, 6881, 443]


def _tracker_pool():
    r = random.Random(SEED ^ 0x7A11)
    pool = []
    for w in _TR_WORDS:
        for _ in range(3):
            scheme = r.choice(["udp", "udp", "udp", "http", "https"])
            tld = r.choice(_TR_TLDS)
            port = r.choice(_TR_PORTS)
            host = r.choice(["tracker", "tr", "open", "bt", "t"]) + "." + w + "." + tld
            pool.append(f"{scheme}://{host}:{port}/announce")
    return sorted(set(pool))


TRACKERS = _tracker_pool()

for _w in ZH_WORDS + ZH_TAGS + ZH_SUBJECTS + ZH_COURSE + ZH_BOOK + ZH_CITY + ZH_PHOTO + \
        ZH_SURNAME + ZH_GIVEN + ZH_DOCS + ZH_SOFT + ZH_GAME:
    _w.encode("gbk")


# --------------------------------------------------------------------------
# helpers

def lognorm(r, median, sigma, lo, hi):
    return int(min(hi, max(lo, median * math.exp(sigma * r.gauss(0.0, 1.0)))))


def piece_length_for(total):
    """Power of two in [16 KiB, 16 MiB] giving at most ~2000 pieces."""
    pl = 16 * KiB
    while pl < 16 * MiB and total > 2000 * pl:
        pl *= 2
    return pl


class Names:
    def __init__(self, r, zh):
        self.r = r
        self.zh = zh

    def zh_title(self, n=2):
        return "".join(self.r.choice(ZH_WORDS) for _ in range(n))

    def en_title(self, lo=1, hi=3, sep=" "):
        return sep.join(self.r.choice(EN_WORDS) for _ in range(self.r.randint(lo, hi)))

    def title(self):
        return self.zh_title(self.r.randint(1, 3)) if self.zh else self.en_title()

    def person(self):
        r = self.r
        if self.zh:
            return r.choice(ZH_SURNAME) + r.choice(ZH_GIVEN)
        return f"{r.choice(EN_FIRST)} {r.choice(EN_LAST)}"


def uniq(path, seen):
    key = "/".join(path)
    if key not in seen:
        seen.add(key)
        return path
    base = path[-1]
    stem, dot, ext = base.rpartition(".")
    if not dot:
        stem, ext = base, ""
    n = 2
    while True:
        cand = path[:-1] + [f"{stem} ({n}){dot}{ext}"]
        k = "/".join(cand)
        if k not in seen:
            seen.add(k)
            return cand
        n += 1


# --------------------------------------------------------------------------
# kinds of torrents; each returns (name, files) where files is an int
# (single-file length) or a list of (path components, length)

def k_single(r, nm):
    kind = r.random()
    if kind < 0.35:
        year = r.randint(1975, 2024)
        if nm.zh:
            name = f"{nm.zh_title()}.{nm.en_title(1, 2, '.')}.{year}.{r.choice(RES)}.{r.choice(SOURCES)}.{r.choice(CODECS)}.{r.choice(ZH_TAGS)}.mkv"
        else:
            name = f"{nm.en_title(1, 3, '.')}.{year}.{r.choice(RES)}.{r.choice(SOURCES)}.{r.choice(CODECS)}-{r.choice(GROUPS)}.mkv"
        return name, lognorm(r, 4 * GiB, 0.8, 500 * MiB, 60 * GiB)
    if kind < 0.50:
        ep = r.randint(1, 40)
        if nm.zh:
            name = f"{nm.zh_title()} 第{ep:02d}集 {r.choice(RES)}.mp4"
        else:
            name = f"{nm.en_title(1, 2, '.')}.S{r.randint(1, 9):02d}E{ep:02d}.{r.choice(RES)}.WEB-DL.{r.choice(CODECS)}-{r.choice(GROUPS)}.mkv"
        return name, lognorm(r, 900 * MiB, 0.6, 150 * MiB, 6 * GiB)
    if kind < 0.65:
        ext = r.choice(["iso", "iso", "img", "dmg"])
        name = (f"{r.choice(ZH_SOFT)}_{r.randint(1, 12)}.{r.randint(0, 9)}_x64.{ext}" if nm.zh
                else f"{r.choice(EN_SOFT).replace(' ', '_')}_{r.randint(1, 12)}.{r.randint(0, 9)}_x64.{ext}")
        return name, lognorm(r, 3 * GiB, 0.7, 200 * MiB, 40 * GiB)
    if kind < 0.85:
        ext = r.choice(["pdf", "pdf", "epub", "mobi", "azw3"])
        name = (f"{r.choice(ZH_SUBJECTS)}{r.choice(ZH_BOOK)}（第{r.randint(1, 9)}版）.{ext}" if nm.zh
                else f"{r.choice(EN_SUBJECTS)} - {nm.en_title()} ({r.randint(1990, 2024)}).{ext}")
        return name, lognorm(r, 6 * MiB, 1.2, 200 * KiB, 600 * MiB)
    ext = r.choice(["rar", "zip", "7z", "tar.gz", "flac", "ape"])
    return f"{nm.title()} {r.randint(2000, 2024)}.{ext}", lognorm(r, 400 * MiB, 1.5, 5 * MiB, 30 * GiB)


def k_movie_dir(r, nm):
    year = r.randint(1975, 2024)
    if nm.zh:
        name = f"[{nm.zh_title()}][{year}][{r.choice(RES)}][{r.choice(ZH_TAGS)}]"
    else:
        name = f"{nm.en_title(1, 3, '.')}.{year}.{r.choice(RES)}.{r.choice(SOURCES)}.{r.choice(AUDIO)}.{r.choice(CODECS)}-{r.choice(GROUPS)}"
    files = [([name + ".mkv"], lognorm(r, 8 * GiB, 0.7, 700 * MiB, 80 * GiB))]
    for lang in r.sample(["chs", "cht", "eng", "chs&eng", "jpn"], r.randint(0, 4)):
        files.append(([f"{name}.{lang}.srt"], lognorm(r, 90 * KiB, 0.3, 20 * KiB, 400 * KiB)))
    if r.random() < 0.5:
        files.append((["Sample", f"{name}.sample.mkv"], lognorm(r, 60 * MiB, 0.5, 5 * MiB, 400 * MiB)))
    if r.random() < 0.5:
        files.append(([f"{name}.nfo"], lognorm(r, 4 * KiB, 0.5, 500, 40 * KiB)))
    if r.random() < 0.3:
        files.append((["Extras", "Behind.the.Scenes.mkv"], lognorm(r, 700 * MiB, 0.6, 50 * MiB, 4 * GiB)))
    return name, files


def k_tv(r, nm):
    season = r.randint(1, 8)
    n = r.choice([6, 8, 10, 12, 13, 16, 20, 22, 24, 26, 30, 36, 40, 46])
    res = r.choice(RES)
    if nm.zh:
        t = nm.zh_title()
        name = f"{t} 第{season}季 全{n}集 {res} {r.choice(ZH_TAGS)}"
        ep = lambda e: f"{t}.第{e:02d}集.{res}.mp4"
    else:
        t = nm.en_title(1, 2, ".")
        grp = r.choice(GROUPS)
        name = f"{t}.S{season:02d}.{res}.WEB-DL.{r.choice(CODECS)}-{grp}"
        ep = lambda e: f"{t}.S{season:02d}E{e:02d}.{res}.WEB-DL-{grp}.mkv"
    per = lognorm(r, 1 * GiB, 0.6, 120 * MiB, 8 * GiB)
    subs = r.random() < 0.4
    files = []
    for e in range(1, n + 1):
        files.append(([ep(e)], lognorm(r, per, 0.12, 50 * MiB, 12 * GiB)))
        if subs:
            files.append((["Subs", ep(e).rsplit(".", 1)[0] + ".srt"], lognorm(r, 45 * KiB, 0.3, 5 * KiB, 200 * KiB)))
    return name, files


def album_tracks(r, nm, prefix, n, fmt):
    files = []
    track = (lambda: nm.zh_title(r.randint(1, 2))) if nm.zh else (lambda: nm.en_title(1, 4))
    med = {"flac": 28 * MiB, "mp3": 9 * MiB, "ape": 26 * MiB, "m4a": 8 * MiB}[fmt]
    for i in range(1, n + 1):
        files.append((prefix + [f"{i:02d}. {track()}.{fmt}"], lognorm(r, med, 0.35, 1 * MiB, 200 * MiB)))
    return files


def k_album(r, nm):
    fmt = r.choice(["flac", "flac", "mp3", "ape", "m4a"])
    artist = nm.person() if r.random() < 0.7 else (nm.zh_title(1) + "乐队" if nm.zh else "The " + nm.en_title(1, 2))
    album = nm.title()
    year = r.randint(1965, 2024)
    name = f"{artist} - {album} ({year}) [{fmt.upper()}]" if r.random() < 0.6 else f"{artist} - {year} - {album}"
    files = []
    discs = 1 if r.random() < 0.85 else r.randint(2, 3)
    for d in range(1, discs + 1):
        prefix = [f"CD{d}"] if discs > 1 else []
        files += album_tracks(r, nm, prefix, r.randint(8, 18), fmt)
        if fmt in ("flac", "ape") and r.random() < 0.6:
            files.append((prefix + [f"{artist} - {album}.cue"], lognorm(r, 2 * KiB, 0.3, 500, 8 * KiB)))
            files.append((prefix + [f"{artist} - {album}.log"], lognorm(r, 5 * KiB, 0.3, 1 * KiB, 20 * KiB)))
    for art in r.sample(["cover.jpg", "folder.jpg", "back.jpg", "Scans/booklet01.jpg", "Scans/booklet02.jpg", "Scans/disc.jpg"], r.randint(0, 4)):
        files.append((art.split("/"), lognorm(r, 800 * KiB, 0.8, 40 * KiB, 12 * MiB)))
    return name, files


def k_discography(r, nm):
    fmt = r.choice(["flac", "mp3", "mp3", "ape"])
    artist = nm.person()
    y0 = r.randint(1970, 2010)
    name = f"{artist} - 全部专辑 {y0}-{y0 + r.randint(5, 20)} [{fmt.upper()}]" if nm.zh \
        else f"{artist} - Discography ({y0}-{y0 + r.randint(5, 20)}) [{fmt.upper()}]"
    files = []
    for a in range(r.randint(6, 35)):
        folder = f"{y0 + a} - {nm.title()}"
        files += album_tracks(r, nm, [folder], r.randint(8, 16), fmt)
        if r.random() < 0.7:
            files.append(([folder, "cover.jpg"], lognorm(r, 600 * KiB, 0.7, 40 * KiB, 8 * MiB)))
    return name, files


def k_course(r, nm):
    if nm.zh:
        subj = r.choice(ZH_SUBJECTS)
        name = f"{subj}{r.choice(ZH_COURSE)}视频教程 全{r.randint(10, 120)}讲"
    else:
        subj = r.choice(EN_SUBJECTS)
        name = f"{subj} {r.choice(['Fundamentals', 'Masterclass', 'Complete Course', 'Lectures', 'Bootcamp'])}"
    files = []
    seen = set()
    for ch in range(1, r.randint(3, 16) + 1):
        chap = f"第{ch:02d}章 {nm.zh_title()}" if nm.zh else f"{ch:02d} - {nm.en_title()}"
        for j in range(1, r.randint(3, 15) + 1):
            lect = nm.zh_title(r.randint(1, 2)) if nm.zh else nm.en_title()
            files.append((uniq([chap, f"{ch}-{j} {lect}.mp4"], seen), lognorm(r, 120 * MiB, 0.7, 5 * MiB, 2 * GiB)))
        if r.random() < 0.4:
            files.append((uniq(["课件" if nm.zh else "Slides", f"{ch:02d}.pdf"], seen), lognorm(r, 2 * MiB, 0.8, 100 * KiB, 60 * MiB)))
    if r.random() < 0.5:
        files.append((["配套代码.zip" if nm.zh else "code.zip"], lognorm(r, 15 * MiB, 1.0, 100 * KiB, 500 * MiB)))
    return name, files


def tree_files(r, nm, n, dirs, names, exts, median, sigma, lo, hi):
    """n files spread over a small directory tree."""
    folders = [[]]
    for _ in range(max(1, n // r.randint(8, 40))):
        parent = r.choice(folders)
        if len(parent) < 4:
            folders.append(parent + [r.choice(dirs) + (f"_{len(folders)}" if r.random() < 0.5 else "")])
    files, seen = [], set()
    for i in range(n):
        folder = r.choice(folders)
        fname = f"{r.choice(names)}{i if r.random() < 0.6 else ''}.{r.choice(exts)}"
        files.append((uniq(folder + [fname], seen), lognorm(r, median, sigma, lo, hi)))
    return files


def k_software(r, nm):
    ver = f"{r.randint(1, 24)}.{r.randint(0, 9)}.{r.randint(0, 99)}"
    name = f"{r.choice(ZH_SOFT)} v{ver} 绿色版" if nm.zh else f"{r.choice(EN_SOFT)} {ver} x64 Multilingual"
    n = lognorm(r, 25, 1.2, 3, 900)
    files = [(["setup.exe"], lognorm(r, 80 * MiB, 1.0, 1 * MiB, 3 * GiB))]
    files += tree_files(r, nm, n, ["bin", "lib", "plugins", "locale", "share", "resources", "docs", "x64", "themes"],
                        ["lib", "core", "plugin", "res", "lang_zh", "lang_en", "data", "module", "help"],
                        ["dll", "dat", "pak", "xml", "json", "qm", "png", "txt"], 300 * KiB, 1.8, 200, 500 * MiB)
    files.append(([r.choice(ZH_DOCS) + ".txt" if nm.zh else "README.txt"], lognorm(r, 3 * KiB, 0.5, 300, 30 * KiB)))
    return name, files


def k_books(r, nm):
    n = lognorm(r, 180, 0.9, 40, 2000)
    if nm.zh:
        name = f"{r.choice(ZH_SUBJECTS)}电子书合集【{n}本】"
        cats = ZH_SUBJECTS
        title = lambda: r.choice(ZH_SUBJECTS) + r.choice(ZH_BOOK) + f"_{nm.person()}"
    else:
        name = f"{r.choice(EN_SUBJECTS)} Ebook Collection ({n} books)"
        cats = EN_SUBJECTS
        title = lambda: f"{nm.en_title(1, 4)} - {nm.person()}"
    files, seen = [], set()
    folders = r.sample(cats, min(len(cats), r.randint(1, 12)))
    for _ in range(n):
        ext = r.choice(["pdf", "pdf", "epub", "mobi", "djvu"])
        files.append((uniq([r.choice(folders), f"{title()}.{ext}"], seen), lognorm(r, 4 * MiB, 1.1, 100 * KiB, 300 * MiB)))
    return name, files


def k_photos(r, nm):
    n = lognorm(r, 220, 0.8, 50, 2000)
    year = r.randint(2008, 2024)
    name = f"{r.choice(ZH_CITY)}{r.choice(ZH_PHOTO)}摄影集 {year}" if nm.zh else f"{nm.en_title(1, 2)} Photo Set {year}"
    days = [f"{year}-{r.randint(1, 12):02d}-{r.randint(1, 28):02d}" for _ in range(r.randint(1, 20))]
    files = []
    start = r.randint(1, 5000)
    for i in range(n):
        raw = r.random() < 0.15
        files.append(([r.choice(days), f"IMG_{start + i:04d}.{'CR2' if raw else 'JPG'}"],
                      lognorm(r, 22 * MiB if raw else 5 * MiB, 0.3, 500 * KiB, 60 * MiB)))
    return name, files


def k_game(r, nm):
    name = f"{r.choice(ZH_GAME)}·{nm.zh_title()} v{r.randint(1, 3)}.{r.randint(0, 20)} 中文版" if nm.zh \
        else f"{nm.en_title(2, 3)} v{r.randint(1, 3)}.{r.randint(0, 20)}.{r.randint(0, 9)}-{r.choice(GROUPS)}"
    n = lognorm(r, 400, 0.7, 80, 1600)
    files = tree_files(r, nm, n, ["data", "sound", "music", "maps", "textures", "models", "video", "scripts", "save", "bin"],
                       ["level", "sfx", "bgm", "tex", "mesh", "anim", "ui", "font", "shader", "cfg"],
                       ["pak", "ogg", "wav", "dds", "bin", "lua", "bik", "cfg", "dat"], 2 * MiB, 2.0, 1 * KiB, 4 * GiB)
    return name, files


def k_source(r, nm):
    proj = nm.en_title(1, 2, "-").lower()
    name = f"{proj}-{r.randint(0, 9)}.{r.randint(0, 30)}.{r.randint(0, 9)}-src"
    n = r.randint(1750, 2000)
    files = tree_files(r, nm, n, ["src", "include", "tests", "docs", "tools", "cmake", "examples", "third_party", "util", "net", "io"],
                       ["main", "util", "parser", "buffer", "config", "test_", "stream", "hash", "socket", "README"],
                       ["c", "cpp", "h", "hpp", "py", "txt", "md", "cmake"], 6 * KiB, 1.2, 0, 2 * MiB)
    return name, files


KINDS = [
    (k_single, 42.0), (k_movie_dir, 12.0), (k_tv, 10.0), (k_album, 14.0), (k_course, 4.0),
    (k_software, 6.0), (k_discography, 3.0), (k_books, 3.5), (k_photos, 3.0), (k_game, 2.0),
    (k_source, 0.5),
]
_KIND_FNS = [k for k, _ in KINDS]
_KIND_W = [w for _, w in KINDS]


# --------------------------------------------------------------------------
# assembling a torrent

def announce_fields(r, private):
    d = {}
    roll = r.random()
    if private:
        site = r.choice(_TR_WORDS)
        key = r.randbytes(16).hex()
        d["announce"] = f"https://pt.{site}.cn/announce.php?passkey={key}"
        if r.random() < 0.5:
            d["announce-list"] = [[d["announce"]], [f"https://pt2.{site}.cn/announce.php?passkey={key}"]]
        return d
    if roll < 0.03:
        d["nodes"] = [["router.dht-" + r.choice(_TR_WORDS) + ".net", 6881], ["dht.example.org", 6881]]
        return d
    urls = r.sample(TRACKERS, 14)
    d["announce"] = urls[0]
    if roll < 0.15:
        return d
    tiers, k = [], 0
    for _ in range(r.randint(2, 6)):
        m = r.randint(1, 4)
        tiers.append(urls[k:k + m])
        k += m
    d["announce-list"] = tiers
    return d


def make_torrent(r, name, files, *, gbk=False, utf8_extra=False, date_range=(2010, 2024)):
    enc = (lambda s: s.encode("gbk")) if gbk else (lambda s: s.encode("utf-8"))
    total = files if isinstance(files, int) else sum(n for _, n in files)
    pl = piece_length_for(total)
    npieces = max(1, (total + pl - 1) // pl)
    info = {"name": enc(name), "piece length": pl, "pieces": r.randbytes(20 * npieces)}
    if isinstance(files, int):
        info["length"] = files
    else:
        lst = []
        for path, n in files:
            e = {"length": n, "path": [enc(c) for c in path]}
            if utf8_extra:
                e["path.utf-8"] = [c.encode("utf-8") for c in path]
            lst.append(e)
        info["files"] = lst
    if utf8_extra:
        info["name.utf-8"] = name.encode("utf-8")
    private = not gbk and r.random() < 0.05
    if private:
        info["private"] = 1
        info["source"] = "[" + r.choice(_TR_WORDS) + "]"

    t = announce_fields(r, private)
    t["info"] = info
    y0, y1 = date_range
    t["creation date"] = r.randint(_epoch(y0), _epoch(y1 + 1) - 1)
    t["created by"] = r.choice(OLD_CREATORS if gbk else CREATORS)
    t["encoding"] = "GBK" if gbk else "UTF-8"
    if r.random() < 0.3:
        if r.random() < 0.5:
            c = r.choice(["高清下载，欢迎分享", "请保持做种，谢谢", "本资源仅供学习交流", "更多资源请访问论坛"]) if (gbk or r.random() < 0.6) \
                else r.choice(["Seed please!", "Enjoy.", "Uploaded with care", "Thanks for sharing"])
        else:
            c = f"https://www.{r.choice(_TR_WORDS)}.com/thread-{r.randint(1000, 999999)}-1-1.html"
        t["comment"] = enc(c)
        if utf8_extra:
            t["comment.utf-8"] = c.encode("utf-8")
    if utf8_extra:
        site = r.choice(_TR_WORDS)
        pub = f"{site}论坛"
        t["publisher"] = enc(pub)
        t["publisher-url"] = f"http://www.{site}.com/"
        if gbk:
            t["publisher.utf-8"] = pub.encode("utf-8")
            t["publisher-url.utf-8"] = t["publisher-url"]
    if not private and r.random() < 0.03:
        t["url-list"] = [f"https://mirror.{r.choice(_TR_WORDS)}.org/pub/" + r.randbytes(4).hex() + "/"]
    return bencode(t), total, 1 if isinstance(files, int) else len(files)


def _epoch(year):
    return calendar.timegm((year, 1, 1, 0, 0, 0, 0, 0, 0))


def gen_one(i):
    r = random.Random(SEED * 1_000_003 + i)
    gbk = r.random() < 0.04
    zh = gbk or r.random() < 0.55
    nm = Names(r, zh)
    kind = r.choices(_KIND_FNS, _KIND_W)[0]
    name, files = kind(r, nm)
    utf8_extra = (gbk and r.random() < 0.3) or (not gbk and r.random() < 0.005)
    return make_torrent(r, name, files, gbk=gbk, utf8_extra=utf8_extra,
                        date_range=(2004, 2012) if gbk else (2010, 2024))


def gen_big():
    r = random.Random(SEED ^ 0xB16)
    nm_zh, nm_en = Names(r, True), Names(r, False)
    name = "开放资料镜像 Open-Archive-Mirror 2023"
    top = ([f"{i:02d}_{s}" for i, s in enumerate(ZH_SUBJECTS[:12])] +
           [f"{i + 12:02d}_{s}" for i, s in enumerate(EN_SUBJECTS[:8])])
    files = []
    i = 0
    exts = ["pdf", "jpg", "png", "txt", "csv", "mp3", "zip", "html", "xml", "docx", "mp4"]
    while i < BIG_FILES:
        t = r.choice(top)
        nm = nm_zh if r.random() < 0.6 else nm_en
        sub = [t, str(r.randint(1998, 2023))]
        if r.random() < 0.7:
            sub.append(nm.title())
        for _ in range(min(BIG_FILES - i, r.randint(5, 60))):
            base = nm.zh_title(r.randint(1, 2)) if nm is nm_zh else nm.en_title(1, 3, "_")
            files.append((sub + [f"{base}_{i:05d}.{r.choice(exts)}"], lognorm(r, 400 * KiB, 1.8, 0, 2 * GiB)))
            i += 1
    data, total, n = make_torrent(r, name, files, date_range=(2023, 2023))
    assert n == BIG_FILES
    return data, total


def gen_tiny():
    t = {"announce": TRACKERS[0], "created by": CREATORS[0], "creation date": 1700000000,
         "encoding": "UTF-8",
         "info": {"length": 12345, "name": "tiny.txt", "piece length": 16 * KiB,
                  "pieces": random.Random(SEED).randbytes(20)}}
    return bencode(t)


# --------------------------------------------------------------------------

def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = argv[1] if len(argv) > 1 else os.path.join(root, "build", "bench", "collection")
    stamp = os.path.join(out, ".stamp")
    try:
        with open(stamp) as f:
            if f.read() == STAMP:
                return 0
    except OSError:
        pass

    t0 = time.monotonic()
    os.makedirs(out, exist_ok=True)
    for leftover in (stamp, os.path.join(out, "paths.txt")):
        if os.path.exists(leftover):
            os.remove(leftover)
    shutil.rmtree(os.path.join(out, "t"), ignore_errors=True)

    paths = []
    tot_bytes = tot_content = tot_files = 0
    counts = []
    for i in range(COUNT):
        rel = f"t/{i // 100:02d}/{i:05d}.torrent"
        data, content, nfiles = gen_one(i)
        full = os.path.join(out, rel)
        if i % 100 == 0:
            os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)
        paths.append(rel)
        tot_bytes += len(data)
        tot_content += content
        tot_files += nfiles
        counts.append(nfiles)

    big, big_content = gen_big()
    with open(os.path.join(out, "big.torrent"), "wb") as f:
        f.write(big)
    with open(os.path.join(out, "tiny.torrent"), "wb") as f:
        f.write(gen_tiny())
    with open(os.path.join(out, "paths.txt"), "w") as f:
        f.write("\n".join(paths) + "\n")
    with open(stamp, "w") as f:
        f.write(STAMP)

    counts.sort()
    q = lambda p: counts[min(COUNT - 1, int(p * COUNT))]
    print(f"collection: {COUNT} torrents, {tot_bytes / MiB:.1f} MiB, "
          f"avg {tot_bytes / COUNT / KiB:.1f} KiB/torrent, {tot_files} file entries "
          f"(median {q(0.5)}, p90 {q(0.9)}, p99 {q(0.99)}, max {counts[-1]} files/torrent), "
          f"content {tot_content / 2**40:.1f} TiB, avg {tot_content / tot_files / MiB:.1f} MiB/file", file=sys.stderr)
    print(f"big.torrent: {BIG_FILES} files, {len(big) / MiB:.2f} MiB, content {big_content / GiB:.0f} GiB", file=sys.stderr)
    print(f"generated in {time.monotonic() - t0:.1f} s into {out}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
