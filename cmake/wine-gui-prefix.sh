#!/bin/sh
# Makes a Wine prefix for running the program's windows on a display:
#
#   wine-gui-prefix.sh PREFIX
#
# The build's prefix (build/wine, or $MORVALE_WINE_PREFIX) is created when missing and gets
# the Chinese fonts, once. PREFIX becomes a copy of it that shares its files by hard links
# and has a registry of its own.
#
# Why a copy: a prefix has one Wine server, and every window of the prefix uses the
# graphics driver of the first process that needed a desktop. A Wine test started without
# a display (as the unit tests are) would leave windows started meanwhile on a display
# nowhere to be seen. A prefix of their own keeps windowed runs apart from the rest.
set -u

if [ $# -ne 1 ]; then
  echo "usage: $0 PREFIX" >&2
  exit 2
fi
prefix=$1
here=$(cd "$(dirname "$0")/.." && pwd)
run_wine="$here/cmake/wine-run.sh"
base=${MORVALE_WINE_PREFIX:-$here/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}

fonts_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'

# True when the prefix maps the Chinese font names to the installed CJK font.
has_fonts() {
  grep -qF '"SimSun"="WenQuanYi Micro Hei"' "$1/system.reg" 2>/dev/null &&
    grep -qF '"\x5b8b\x4f53"="WenQuanYi Micro Hei"' "$1/system.reg" &&
    grep -qF '"Tahoma"=str(7):"wqy-microhei.ttc,WenQuanYi Micro Hei\0"' "$1/system.reg"
}

# Maps "SimSun" and "宋体" to WenQuanYi Micro Hei and links Tahoma to it, as a Chinese
# Windows has it, so the program's texts and its message boxes show their characters.
add_fonts() {
  echo "Setting up the Chinese fonts in $1"
  WINEPREFIX=$1 "$run_wine" reg add "$fonts_key\\FontSubstitutes" /v SimSun \
    /d "WenQuanYi Micro Hei" /f >/dev/null &&
    WINEPREFIX=$1 "$run_wine" reg add "$fonts_key\\FontSubstitutes" /v "宋体" \
      /d "WenQuanYi Micro Hei" /f >/dev/null &&
    WINEPREFIX=$1 "$run_wine" reg add "$fonts_key\\FontLink\\SystemLink" /v Tahoma \
      /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null || return 1
  # The registry reaches its files when the server ends.
  WINEPREFIX=$1 wineserver -w
}

mkdir -p "$(dirname "$base")" "$(dirname "$prefix")"
exec 8>"$base.lock"
flock 8
if [ ! -f "$base/system.reg" ]; then
  make -s -C "$here" wine-prefix WINEPREFIX_DIR="$base" || exit 1
fi
has_fonts "$base" || add_fonts "$base" || exit 1

exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/system.reg" ] || ! cmp -s "$base/.update-timestamp" "$prefix/.update-timestamp"
then
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  rm -rf "$prefix"
  mkdir -p "$prefix"
  cp -a -l "$base/." "$prefix/" || exit 1
  for f in system.reg user.reg userdef.reg .update-timestamp; do
    rm -f "$prefix/$f"
    cp -p "$base/$f" "$prefix/$f" || exit 1
  done
  rm -f "$prefix/wineserver"
fi
flock -u 8
has_fonts "$prefix" || add_fonts "$prefix" || exit 1
