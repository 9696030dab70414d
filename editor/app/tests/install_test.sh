#!/usr/bin/env bash
# Installs the built suite into a scratch prefix as `cmake --install` does for
# a user, checks the desktop entry and icons, and starts the installed editor
# through its link in bin/ with a picture: it must open it.
set -euo pipefail
build=$1
work=$(mktemp -d)
# Only the editor this script started is stopped (a pid of 0 would be the
# whole process group, ctest with it).
trap 'if [ -n "${pid:-}" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/telvy12.desktop
desktop-file-validate "$desktop"
grep -q '^Exec=Telvy12 %F$' "$desktop"
grep -q 'image/jpeg' "$desktop"
for size in 48x48 256x256; do
  icon=$prefix/share/icons/hicolor/$size/apps/telvy12.png
  [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || { echo "icon $size is wrong"; exit 1; }
done
[ -L "$prefix/bin/Telvy12" ] && [ -x "$prefix/bin/Telvy12" ] || { echo "no program link in bin/"; exit 1; }
[ -L "$prefix/bin/OVALBUM" ] || { echo "no album link in bin/"; exit 1; }
for file in Telvy12.INI Wrenkit.so libqnbase.so rubber.8bf; do
  [ -e "$prefix/lib/quendle/$file" ] || { echo "$file not installed"; exit 1; }
done
# Help pages lie beside the programs, where their help lookup finds them.
for page in Telvy12/index.html OVALBUM/index.html rubber/index.html help.css; do
  [ -f "$prefix/lib/quendle/help/$page" ] || { echo "help page $page not installed"; exit 1; }
done
if ls "$prefix/lib/quendle" | grep -q -e '^qnrc$' -e testmodule; then
  echo "build tools or test modules were installed"; exit 1
fi

convert -size 30x20 gradient:red-blue "$work/picture.png"
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
QT_QPA_PLATFORM=offscreen QN_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
  TELVY12_TEST_REPORT=$work/report.txt "$prefix/bin/Telvy12" "$work/picture.png" &
pid=$!
for _ in $(seq 200); do
  grep -q "^open $work/picture.png" "$work/report.txt" 2>/dev/null && exit 0
  sleep 0.1
done
echo "the installed editor did not open the picture:"; cat "$work/report.txt" 2>/dev/null || true
exit 1
