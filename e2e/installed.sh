#!/usr/bin/env bash
# The suite installed into a scratch prefix with `cmake --install`, and the
# INSTALLED editor under a private X server: it finds its task and tool
# module (the tools' pictures in the bar), its filter modules (an effect
# from the Effects menu runs) and its help pages (Help Topics hands the
# installed index page to the desktop).
. "$(dirname "$0")/lib.sh"
build=$1

prefix=$WORK/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
BIN=$prefix/bin
[ -L "$BIN/Telvy12" ] || fail "no Telvy12 in $BIN"

photograph "$WORK/photo.png"
start_editor "$WORK/photo.png"
show_photograph
grep -q "^open $WORK/photo.png" "$TELVY12_TEST_REPORT" || fail "the installed editor did not open the photograph"

step "the module's tools in the bar"
# Without the module the bar is an empty grey grid; its tools' pictures
# bring colour.
colourful=$(convert "$WORK/open.png" -crop 1024x110+0+18 +repage -colorspace HSL -channel G -separate \
  -threshold 40% -format '%[fx:round(mean*w*h)]\n' info:)
[ "$colourful" -gt 300 ] || fail "the bar shows no tools ($colourful coloured pixels)"

step "an effect from the Effects menu"
filter whirl.png open.png "alt+c d l" "^Whirl" Return

step "the help pages"
to_window "$EDITOR" alt+h h
wait_for "[ -s '$WORK/open.args' ]" 60 || fail "Help Topics handed nothing to the desktop"
page=$(head -n 1 "$WORK/open.args")
page=${page#file://}
case "$page" in
  "$prefix"/lib/quendle/help/*) ;;
  *) fail "Help Topics opened $page, not an installed page" ;;
esac
[ -f "$page" ] && grep -qi '<html' "$page" || fail "the help page $page is not there"
echo PASS
