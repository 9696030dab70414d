#!/usr/bin/env bash
# The editor driven as a user drives it: a photograph opened, an ellipse
# selected and the selection turned half round, a filter of each filter
# module run through its dialog, a brush stroke painted, text placed, two
# steps undone and one redone; every step is checked on the screen.
. "$(dirname "$0")/lib.sh"

photograph "$WORK/photo.png"
start_editor "$WORK/photo.png"

step "the photograph shows, at 1:1"
show_photograph

step "an ellipse selected: its outline shows over the picture"
e2e_grab start.png
to_window "$EDITOR" alt+e s
bar_changed start.png select.png
click $ELLIPSE_TOOL
drag $(at 50 40) $(at 320 260)
# The outline is drawn in colours the photograph does not have.
outline() {
  local all
  all=$(changed open.png "$1" "$PICTURE")
  [ "$all" -gt 400 ] && [ "$all" -lt 4000 ]
}
grab_until selected.png 'outline selected.png' 90 || fail "no selection outline"

step "the selection turned by 180 degrees"
to_window "$EDITOR" alt+p o
to_window "Rotate and Flip" ctrl+a
type_text 180
to_window "Rotate and Flip" Return
gone "Rotate and Flip" || fail "the rotation dialog stays open"
# The ellipse's centre is picture point 185,150: blue from the top right
# comes to the bottom left, green from below to the top.
rotated() {
  [ "$(pixel "$1" $(at 120 190))" = 0000FF ] && [ "$(pixel "$1" $(at 250 190))" = FF0000 ] &&
    [ "$(pixel "$1" $(at 185 80))" = 00FF00 ] && [ "$(pixel "$1" $(at 20 20))" = FF0000 ]
}
grab_until rotated.png 'rotated rotated.png' 60 || fail "the selection was not turned"
to_window "$EDITOR" alt+e n

filter whirl.png rotated.png "alt+c d l" "^Whirl" Return
filter bright.png whirl.png "alt+p b" "Brightness&Contrast" alt+b Prior Return
filter edges.png bright.png "alt+c g" "Edge style" Return
filter mosaic.png edges.png "alt+c a 3" "3D Mosaic parameters" Return

step "a brush stroke painted"
click $RETOUCH_TASK
bar_changed mosaic.png retouch.png
click $PAINT_TOOL
bar_changed retouch.png paint.png
read -r x y < <(at 80 150)
xdotool mousemove "$x" "$y" mousedown 1
for dx in $(seq 10 10 240); do xdotool mousemove $((x + dx)) "$y"; done
xdotool mouseup 1
grab_until stroke.png "[ \$(changed mosaic.png stroke.png $PICTURE) -gt 2000 ]" 30 || fail "no stroke painted"
settle stroke.png
click $PAINT_APPLY
# Applied, the stroke stays and the panel leaves the bar.
grab_until painted.png "[ \$(changed mosaic.png painted.png $PICTURE) -gt 2000 ] &&
  [ \$(changed paint.png painted.png 1024x110+0+18) -gt 100 ]" 30 || fail "the stroke was not applied"
settle painted.png

step "text placed"
click $TEXT_TOOL
bar_changed painted.png text-panel.png
click $TEXT_BOX
type_text "Hi"
# The text shows over the top left of the picture while it is typed.
typed() { [ "$(changed painted.png "$1" 200x120+$X0+$Y0)" -gt 500 ]; }
grab_until typed.png 'typed typed.png' 30 || fail "the typed text does not show on the picture"
click $TEXT_APPLY
grab_until text.png "typed text.png && [ \$(changed text-panel.png text.png 1024x110+0+18) -gt 100 ]" 30 ||
  fail "the text was not placed"
settle text.png

# Each step is waited for on the screen before the next key, as a user
# looks before pressing again.
step "two steps undone"
to_window "$EDITOR" ctrl+z
grab_until undone1.png "[ \$(changed painted.png undone1.png $PICTURE) -eq 0 ]" 60 ||
  fail "undoing once does not show the picture before the text"
to_window "$EDITOR" ctrl+z
grab_until undone.png "[ \$(changed mosaic.png undone.png $PICTURE) -eq 0 ]" 60 ||
  fail "undoing twice does not show the picture before the stroke"

step "one step redone"
to_window "$EDITOR" ctrl+y
grab_until redone.png "[ \$(changed painted.png redone.png $PICTURE) -eq 0 ]" 60 ||
  fail "redoing does not show the stroke"
echo "PASS"
