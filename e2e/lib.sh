# Shared by the end-to-end scripts: a private X server, the programs' own
# settings and sockets in a scratch folder, synthetic input through xdotool
# and checks on grabs of the whole screen.
#
#   . lib.sh <build dir>      sets BIN, WORK, DISPLAY; exits 77 (skipped)
#                             where no X server can be started
set -euo pipefail

BIN=$(cd "$1" && pwd)/bin
WORK=$(mktemp -d)
E2E_PIDS=()
e2e_end() {
  local status=$?
  # Only what this script started is stopped, one process at a time.
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "failed; the screen at the end is kept in $WORK/last.png" >&2
    cp "$WORK/last.png" "${TMPDIR:-/tmp}/e2e-$(basename "$0" .sh)-last.png" 2>/dev/null || true
  fi
  [ -n "${E2E_KEEP:-}" ] && echo "kept $WORK" || rm -rf "$WORK"
}
trap e2e_end EXIT

fail() { echo "FAIL: $*" >&2; e2e_grab last.png || true; exit 1; }
step() { echo "-- $*"; }

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# A server on a display number it picks itself (written to fd 3).
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>"$WORK/xvfb.log")
E2E_PIDS+=($!)
read -r -t 20 -u 3 number || { echo "SKIP: Xvfb could not be started"; cat "$WORK/xvfb.log"; exit 77; }
export DISPLAY=:$number

mkdir -p "$WORK/runtime" "$WORK/config" "$WORK/bin"
chmod 700 "$WORK/runtime"
export QT_QPA_PLATFORM=xcb QN_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
export TELVY12_TEST_REPORT=$WORK/report.txt QN_SOUND=off HOME=$WORK
# A recording mail composer first on PATH: its arguments and a copy of the
# attachment it was handed.
cat >"$WORK/bin/xdg-email" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" > "$WORK/mail.args"
for a; do [ -f "\$a" ] && cp "\$a" "$WORK/mail.attachment"; done
exit 0
SCRIPT
# And a recording xdg-open, which the help pages are handed to.
cat >"$WORK/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" >> "$WORK/open.args"
SCRIPT
chmod +x "$WORK/bin/xdg-email" "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH

# Runs a program in the background, stopped at the end.
start() {
  "$@" >>"$WORK/programs.log" 2>&1 &
  E2E_PIDS+=($!)
  LAST_PID=$!
}

# Waits (up to $2 seconds, 60 by default) until the command in $1 succeeds.
wait_for() {
  local what=$1 seconds=${2:-60} i
  for ((i = 0; i < seconds * 10; ++i)); do
    eval "$what" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
reported() { grep -qF -- "$1" "$TELVY12_TEST_REPORT" 2>/dev/null; }

# The id of the visible window whose name matches $1, once it shows.
window() {
  timeout "${2:-60}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}
# Waits until no visible window's name matches $1.
gone() { wait_for "! xdotool search --onlyvisible --name '$1'" "${2:-60}"; }

# Keys to the window that has the focus (menus by their access keys).
keys() { xdotool key --delay 120 "$@"; }
# Types text into the focused field.
type_text() { xdotool type --delay 30 "$1"; }
click() { xdotool mousemove "$1" "$2" click 1; }
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) && sleep 0.05
  xdotool mousemove "$3" "$4" && sleep 0.05
  xdotool mouseup 1
}

# The whole screen into $WORK/$1. The editor's tool palette is blacked
# out: its tools' previews show the photograph's pure colours too, and the
# checks are about the picture.
e2e_grab() {
  import -display "$DISPLAY" -window root "$WORK/$1"
  local id X Y WIDTH HEIGHT SCREEN WINDOW
  id=$(xdotool search --onlyvisible --name '^Palette$' 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$id")"
  convert "$WORK/$1" -fill black -draw "rectangle $X,$Y $((X + WIDTH - 1)),$((Y + HEIGHT - 1))" "$WORK/$1"
}
# How many pixels of $1 have exactly the colour $2 (within region $3, WxH+X+Y).
count_colour() {
  local region=${3:-}
  convert "$WORK/$1" ${region:+-crop "$region" +repage} -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]\n' info:
}
# The bounding box (WxH+X+Y) of the pixels of colour $2 in $1.
box_of() {
  convert "$WORK/$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%@\n' info:
}
# How many pixels differ between two grabs (within region $3, WxH+X+Y).
changed() {
  local region=${3:-}
  convert "$WORK/$1" ${region:+-crop "$region" +repage} "$WORK/.a.png"
  convert "$WORK/$2" ${region:+-crop "$region" +repage} "$WORK/.b.png"
  compare -metric AE "$WORK/.a.png" "$WORK/.b.png" null: 2>&1 || true
}
# Grabs into $1 until the command $2 (which may read $WORK/$1) succeeds.
grab_until() {
  local shot=$1 what=$2 seconds=${3:-60} i
  for ((i = 0; i < seconds * 2; ++i)); do
    e2e_grab "$shot" && eval "$what" && return 0
    sleep 0.5
  done
  return 1
}

# The view paints its tiles a few at a time: grabs $1 again until two grabs
# a second apart show the same picture, so that later steps compare with a
# finished one.
settle() {
  local shot=$1 i
  for ((i = 0; i < 60; ++i)); do
    sleep 1
    e2e_grab .settle.png
    [ "$(changed "$shot" .settle.png "$PICTURE")" -eq 0 ] && return 0
    mv "$WORK/.settle.png" "$WORK/$shot"
  done
  fail "the picture does not stop changing ($shot)"
}

# Gives the keyboard to the visible window whose name matches $1 (without a
# window manager nothing else does), then sends the keys that follow.
to_window() {
  local id
  id=$(window "$1" 60) || true
  [ -n "$id" ] || fail "no window $1"
  xdotool windowfocus --sync "$id"
  shift
  [ $# -eq 0 ] || keys "$@"
}
# The editor's main window has a name starting with this.
EDITOR='^Orvane Telvy'
# Answers a dialog that may first ask for the filter host: Return on the
# host question if it comes, then the keys $2... on the dialog named $1.
answer_filter() {
  local name=$1 id
  shift
  wait_for "xdotool search --onlyvisible --name 'Host application selection|$name'" 60 || fail "no dialog $name"
  if xdotool search --onlyvisible --name 'Host application selection' >/dev/null; then
    to_window 'Host application selection' Return
  fi
  to_window "$name" "$@"
  gone "$name" 120 || fail "the dialog $name stays open"
}

# A photograph of three blocks of pure colour, 400 x 300, saved as 24-bit
# PNG: red top left, blue top right, green below.
photograph() {
  convert -size 200x150 xc:'#FF0000' -size 200x150 xc:'#0000FF' +append \
    \( -size 400x150 xc:'#00FF00' \) -append +repage PNG24:"$1"
}
# Starts the editor (in $WORK, so that its file dialogs open there) with
# the files given and waits until it has opened them and shows its window.
start_editor() {
  (cd "$WORK" && exec "$BIN/Telvy12" -nosplash "$@" >>"$WORK/programs.log" 2>&1) &
  E2E_PIDS+=($!)
  EDITOR_PID=$!
  wait_for "reported ready" 60 || fail "the editor did not start"
  for f; do wait_for "reported 'open $f'" 60 || fail "the editor did not open $f"; done
  window "$EDITOR" >/dev/null || fail "no editor window"
}
# The colour at x,y of a grab, as RRGGBB.
pixel() { convert "$WORK/$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
# Places of the bars' buttons on the 1280 x 1024 screen, the editor's
# window at the top left: the ellipse of the selection task, the Retouch
# task, its Paint and Text tools, the paint panel's Apply, the text panel's
# edit box and Apply.
ELLIPSE_TOOL="147 33"
RETOUCH_TASK="54 627"
PAINT_TOOL="194 45"
TEXT_TOOL="564 39"
PAINT_APPLY="612 103"
TEXT_BOX="355 69"
TEXT_APPLY="614 102"

# File > Save As into the picture's folder under the name $1.
save_as() {
  to_window "$EDITOR" alt+f a
  to_window "^Save As" ctrl+a
  type_text "$1"
  # The file name's completer may have taken the keyboard.
  to_window "^Save As" Return
}

# Waits until the photograph shows whole at 1:1 in the editor; sets X0 Y0
# (its top left on the screen) and PICTURE (its place, WxH+X+Y).
# The view may still be painting its tiles when a grab is taken: the three
# blocks are waited for together.
photograph_whole() {
  local red
  red=$(box_of "$1" "#FF0000")
  [[ "$red" == 200x150+* ]] || return 1
  read -r X0 Y0 < <(echo "$red" | sed 's/.*+\([0-9]*\)+\([0-9]*\)/\1 \2/')
  [ "$(box_of "$1" "#0000FF")" = "200x150+$((X0 + 200))+$Y0" ] && [ "$(box_of "$1" "#00FF00")" = "400x150+$X0+$((Y0 + 150))" ]
}
show_photograph() {
  grab_until open.png 'photograph_whole open.png' ||
    fail "the photograph is not on the screen whole: red top left, blue beside it, green below"
  PICTURE=400x300+$X0+$Y0
}
# Screen point of picture point x y.
at() { echo $((X0 + $1)) $((Y0 + $2)); }

# Runs a menu entry whose dialog is answered with the keys given, then
# waits until the picture on the screen changes.
filter() {
  local shot=$1 before=$2 menu=$3 dialog=$4
  shift 4
  step "$dialog"
  to_window "$EDITOR" $menu
  answer_filter "$dialog" "$@"
  grab_until "$shot" "[ \$(changed $before $shot $PICTURE) -gt 5000 ]" 120 || fail "$dialog changed nothing"
  settle "$shot"
}
# Grabs into $2 until the bars at the top differ from grab $1 (a task or
# tool has filled them).
bar_changed() {
  grab_until "$2" "[ \$(changed $1 $2 1024x110+0+18) -gt 100 ]" 30 || fail "the bar does not change"
}
