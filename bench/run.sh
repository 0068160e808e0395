#!/usr/bin/env bash
# Benchmark run by `make bench`:   bench/run.sh [BUILD_DIR]   (default build/native)
#
# Generates the torrent collection (once; see gen_collection.py), warms the
# page cache, checks that describe lists what it must, then times on this
# machine, in this run:
#   a. describe --mode 1 --raw big.torrent      vs libtorrent on big.torrent
#   b. describe --mode 0 --raw <10,000 paths>   vs read-files and vs libtorrent
#   c. peak RSS of (a) minus that of the same command on tiny.torrent,
#      as a multiple of big.torrent's size
# and prints each as a ratio to its reference with the goal beside it.
# A missed goal is reported, not fatal; a failed sanity check exits 1.
#
# Overrides (environment): BENCH_CLI, BENCH_READ_FILES, BENCH_COLLECTION,
# BENCH_PYTHON, BENCH_TIMER (hyperfine|python; default: hyperfine when
# installed, else a Python loop).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${1:-build/native}
py=${BENCH_PYTHON:-/usr/bin/python3}
cli=${BENCH_CLI:-$build/bin/morvalebt-cli}
readf=${BENCH_READ_FILES:-$build/bin/read-files}
coll=${BENCH_COLLECTION:-$root/build/bench/collection}
peer=$here/peer_libtorrent.py

RUNS_FAST=10    # commands well under a second
RUNS_MID=5
RUNS_SLOW=3     # libtorrent over the whole collection (several seconds a run)
RUNS_MEM=3

die() { echo "bench: FAILED: $*" >&2; exit 1; }

# Absolute path of an executable given as a path or a bare command name.
resolve() {
    case $1 in
        */*) [[ -x $1 ]] || return 1; (cd "$(dirname "$1")" && printf '%s/%s\n' "$PWD" "$(basename "$1")") ;;
        *) command -v "$1" ;;
    esac
}

cli=$(resolve "$cli") || die "no executable ${BENCH_CLI:-$build/bin/morvalebt-cli}; build it first (cmake --preset native && cmake --build --preset native)"
readf=$(resolve "$readf") || die "no executable ${BENCH_READ_FILES:-$build/bin/read-files}; build target read-files first"
[[ -x $py ]] || die "no $py"
case $coll in /*) ;; *) coll=$PWD/$coll ;; esac

have_peer=1
if ! "$py" -c 'import libtorrent' 2>/dev/null; then
    have_peer=0
    echo "bench: warning: python3-libtorrent not importable by $py; libtorrent figures will be n/a" >&2
fi

"$py" "$here/gen_collection.py" "$coll" || die "collection generation"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$coll"
set -f    # paths.txt is word-split below; never glob it

count=$(wc -l < paths.txt)
big_bytes=$(wc -c < big.torrent)

echo "warming the page cache ..." >&2
find . -name '*.torrent' -exec cat {} + > /dev/null

# ---- sanity: describe must really list everything -----------------------
count_bytes() {   # FILE HEX -> occurrences of those bytes in FILE
    "$py" -c 'import sys; print(open(sys.argv[1], "rb").read().count(bytes.fromhex(sys.argv[2])))' "$1" "$2"
}

rc=0; "$cli" describe --mode 1 --raw big.torrent > "$tmp/big.out" || rc=$?
[[ $rc == 0 ]] || die "describe --mode 1 --raw big.torrent exited $rc"
n=$(count_bytes "$tmp/big.out" 2020b4f3d0a1a3ba)          # "  大小：" in GBK
[[ $n == 50000 ]] || die "describe --mode 1 big.torrent lists $n file entries, expected 50000"

rc=0
# shellcheck disable=SC2046  # one argument per path, on purpose
"$cli" describe --mode 0 --raw $(<paths.txt) > "$tmp/all.out" || rc=$?
[[ $rc == 0 ]] || die "describe --mode 0 --raw over the collection exited $rc"
n=$(count_bytes "$tmp/all.out" a1de3a)                    # "∞:" in GBK, one per block
[[ $n == "$count" ]] || die "describe --mode 0 over the collection printed $n blocks, expected $count"
echo "sanity: big.torrent lists 50000 files; collection gives $count blocks" >&2

# ---- timing --------------------------------------------------------------
timer=${BENCH_TIMER:-auto}
if [[ $timer == auto ]]; then
    command -v hyperfine > /dev/null && timer=hyperfine || timer=python
fi

# measure RUNS WARMUP COMMAND -> median wall seconds; COMMAND is run by bash
measure() {
    local runs=$1 warmup=$2 cmd=$3
    echo "  $cmd  [$runs runs]" | cut -c1-110 >&2
    if [[ $timer == hyperfine ]]; then
        hyperfine --shell=bash --style none --runs "$runs" --warmup "$warmup" \
            --export-json "$tmp/h.json" "$cmd" > /dev/null
        "$py" -c 'import json, sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$tmp/h.json"
    else
        "$py" - "$runs" "$warmup" "$cmd" <<'EOF'
import statistics, subprocess, sys, time
runs, warmup, cmd = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
def once():
    t = time.perf_counter()
    subprocess.run(["bash", "-c", cmd], stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - t
for _ in range(warmup):
    once()
print(statistics.median(once() for _ in range(runs)))
EOF
    fi
}

# peak_kb COMMAND... -> median max RSS in KiB over RUNS_MEM runs
peak_kb() {
    local i out=()
    for ((i = 0; i < RUNS_MEM; i++)); do
        if [[ -x /usr/bin/time ]]; then
            /usr/bin/time -f %M -o "$tmp/rss" "$@" > /dev/null
            out+=("$(tail -n 1 "$tmp/rss")")
        else
            out+=("$("$py" -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@")")
        fi
    done
    printf '%s\n' "${out[@]}" | sort -n | sed -n "$(((RUNS_MEM + 1) / 2))p"
}

q_cli=$(printf '%q' "$cli")
q_read=$(printf '%q' "$readf")
q_peer="$(printf '%q' "$py") $(printf '%q' "$peer")"
# shellcheck disable=SC2016  # expanded by the timed shell, once per run
all='$(<paths.txt)'

echo "timing with $timer:" >&2
t_big=$(measure $RUNS_FAST 2 "$q_cli describe --mode 1 --raw big.torrent")
t_all=$(measure $RUNS_MID 1 "$q_cli describe --mode 0 --raw $all")
t_read=$(measure $RUNS_FAST 2 "$q_read $all")
t_big_peer=n/a; t_all_peer=n/a
if [[ $have_peer == 1 ]]; then
    t_big_peer=$(measure $RUNS_MID 1 "$q_peer big.torrent")
    t_all_peer=$(measure $RUNS_SLOW 0 "$q_peer $all")
fi

echo "peak memory (max RSS, median of $RUNS_MEM):" >&2
rss_big=$(peak_kb "$cli" describe --mode 1 --raw big.torrent)
rss_tiny=$(peak_kb "$cli" describe --mode 1 --raw tiny.torrent)
echo "  big.torrent ${rss_big} KiB, tiny.torrent ${rss_tiny} KiB" >&2

# ---- report --------------------------------------------------------------
cpu=$(grep -m1 '^model name' /proc/cpuinfo 2>/dev/null | cut -d: -f2- | sed 's/^ *//')
"$py" - "$count" "$big_bytes" "$t_big" "$t_big_peer" "$t_all" "$t_read" "$t_all_peer" \
    "$rss_big" "$rss_tiny" "$(nproc)" "${cpu:-unknown}" "$(date '+%Y-%m-%d %H:%M:%S %Z')" "$timer, median" <<'EOF'
import sys
(count, big_bytes, t_big, t_big_peer, t_all, t_read, t_all_peer,
 rss_big, rss_tiny, ncpu, cpu, date, timer) = sys.argv[1:]
count, big_bytes = int(count), int(big_bytes)

def num(s):
    return None if s == "n/a" else float(s)

def secs(v):
    return "n/a" if v is None else f"{v * 1000:.1f} ms" if v < 10 else f"{v:.2f} s"

mem = (int(rss_big) - int(rss_tiny)) * 1024
rows = [
    ("a. describe --mode 1 big.torrent, vs libtorrent", num(t_big), num(t_big_peer), secs, 0.2),
    (f"b. describe --mode 0 {count:,} torrents, vs read-files", num(t_all), num(t_read), secs, 3.0),
    (f"b. describe --mode 0 {count:,} torrents, vs libtorrent", num(t_all), num(t_all_peer), secs, 0.15),
    ("c. peak RSS big minus tiny, vs big.torrent size", mem, big_bytes,
     lambda b: f"{b / 2**20:.2f} MiB", 8.0),
]
w = max(len(r[0]) for r in rows)
print()
print(f"{'figure':<{w}}  {'ours':>11}  {'reference':>11}  {'ratio':>7}  {'goal':>7}")
for label, ours, ref, fmt, goal in rows:
    if ref is None:
        ratio, status = "n/a", "n/a"
    else:
        r = ours / ref
        ratio, status = f"{r:.3f}", ("ok" if r <= goal else "MISSED")
    print(f"{label:<{w}}  {fmt(ours):>11}  {fmt(ref) if ref is not None else 'n/a':>11}  "
          f"{ratio:>7}  {'<= ' + format(goal, 'g'):>7}  {status}")
print()
print(f"machine: {ncpu} cores, {cpu}; {date}; timing: {timer}")
EOF
