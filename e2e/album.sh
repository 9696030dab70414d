#!/usr/bin/env bash
# The album beside the editor: started from File > Open From Album, the
# pictures the editor saved added through Add New Items (their thumbnails
# show), one handed back to the running editor, which opens it.
. "$(dirname "$0")/lib.sh"

photograph "$WORK/photo.png"
start_editor "$WORK/photo.png"
save_as saved.png
wait_for "window '$EDITOR.* - saved.png' 1" 60 || fail "the editor did not save saved.png"
save_as saved.jpg
to_window "JPEG Options" Return
wait_for "window '$EDITOR.* - saved.jpg' 1" 60 || fail "the editor did not save saved.jpg"

step "the album opens from the editor"
e2e_grab before.png
to_window "$EDITOR" alt+f l
ALBUM='^Telvy Album'
window "$ALBUM" >/dev/null || fail "no album window"

step "the saved pictures added: their thumbnails show"
# Add New Items by its key: the Edit menu has two items under "A" (Add New
# Items, Album Info), so its access key only moves between them.
to_window "$ALBUM" plus
to_window "Add New Items" ctrl+a
type_text '"saved.png" "saved.jpg"'
to_window "Add New Items" Return
gone "Add New Items" || fail "the file dialog stays open"
# The centres of the red blocks of a grab, one "x y" a line: each thumbnail
# shows the photograph's red block.
red_blocks() {
  convert "$WORK/$1" -fuzz 15% -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
    -define connected-components:area-threshold=100 -define connected-components:verbose=true \
    -connected-components 8 null: | awk '/gray\(255\)|\(255,255,255[,)]/ { split($3, c, ","); print int(c[1]), int(c[2]) }'
}
thumbnails() { [ "$(red_blocks "$1" | wc -l)" -ge 2 ]; }
grab_until album.png 'thumbnails album.png' 60 || fail "the album shows no thumbnails of the saved pictures"

step "a picture handed back to the running editor"
opened=$(grep -c '^open ' "$TELVY12_TEST_REPORT")
read -r x y < <(red_blocks album.png | head -n 1)
to_window "$ALBUM"
click "$x" "$y"
to_window "$ALBUM" alt+e o
wait_for "[ \$(grep -c '^open $WORK/saved' '$TELVY12_TEST_REPORT') -ge 1 ] && [ \$(grep -c '^open ' '$TELVY12_TEST_REPORT') -gt $opened ]" 60 ||
  fail "the editor did not open the picture: $(cat "$TELVY12_TEST_REPORT")"
[ "$(grep -c '^ready ' "$TELVY12_TEST_REPORT")" = 1 ] || fail "a second editor was started"
echo PASS
