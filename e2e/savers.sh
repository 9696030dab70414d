#!/usr/bin/env bash
# The screen savers as the editor sets them up: Wizard > Screen Saver with
# the photograph, the saver's settings answered, then each saver run full
# screen for a few frames: the picture fills the screen and moves.
. "$(dirname "$0")/lib.sh"

photograph "$WORK/photo.png"
start_editor "$WORK/photo.png"

for saver in whirl zoom; do
  step "$saver set up by the wizard"
  to_window "$EDITOR" alt+z s
  to_window "^Choose$"
  [ "$saver" = zoom ] && keys Down
  to_window "^Choose$" Return
  title="${saver^} Screen Saver"
  to_window "$title" Return
  gone "$title" || fail "the settings of $saver stay open"

  step "$saver runs"
  "$BIN/$saver" /s >>"$WORK/programs.log" 2>&1 &
  E2E_PIDS+=($!)
  pid=$!
  # The photograph's three colours cover most of the screen.
  filled() {
    local r g
    r=$(count_colour "$1" '#FF0000') g=$(count_colour "$1" '#00FF00')
    [ "$r" -gt 100000 ] && [ "$g" -gt 200000 ]
  }
  grab_until "$saver-1.png" "filled $saver-1.png" 60 || fail "$saver does not show the photograph"
  grab_until "$saver-2.png" "[ \$(changed $saver-1.png $saver-2.png) -gt 0 ]" 120 || fail "$saver does not move"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  gone "$title" 5 || true
done
echo PASS
