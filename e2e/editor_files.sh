#!/usr/bin/env bash
# The editor's files as a user makes them: Save As PNG and JPEG through the
# file dialog (and the JPEG options), File > Print into the PDF printer,
# File > Send to the mail composer (a recording xdg-email).
. "$(dirname "$0")/lib.sh"

photograph "$WORK/photo.png"
start_editor "$WORK/photo.png"
show_photograph

step "saved as PNG: the same pixels"
save_as out.png
wait_for "window '$EDITOR.* - out.png' 1" 60 || fail "the window does not name out.png"
[ "$(compare -metric AE "$WORK/photo.png" "$WORK/out.png" null: 2>&1)" = 0 ] || fail "out.png differs from the photograph"

step "saved as JPEG through its options: close to the photograph"
save_as out.jpg
to_window "JPEG Options" Return
wait_for "[ -s '$WORK/out.jpg' ] && identify '$WORK/out.jpg'" 60 || fail "no out.jpg"
[ "$(identify -format '%m %wx%h' "$WORK/out.jpg")" = "JPEG 400x300" ] || fail "out.jpg is not a 400 x 300 JPEG"
rmse=$( (compare -metric RMSE "$WORK/photo.png" "$WORK/out.jpg" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/')
awk -v e="$rmse" 'BEGIN { exit !(e < 0.05) }' || fail "out.jpg is too far from the photograph ($rmse)"

step "printed into a PDF: the picture on a white page"
to_window "$EDITOR" ctrl+p
to_window "^Print$" Return
gone "^Print$" || fail "the print dialog stays open"
# Qt's PDF printer writes into the home folder.
wait_for "pdftoppm -r 40 -singlefile -png '$WORK/print.pdf' '$WORK/page'" 60 || fail "no readable print.pdf"
page_colour() {
  convert "$WORK/page.png" -fuzz 10% -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:round(mean*w*h)]\n' info:
}
red=$(page_colour '#FF0000') blue=$(page_colour '#0000FF') green=$(page_colour '#00FF00') white=$(page_colour white)
[ "$red" -gt 500 ] && [ "$blue" -gt 500 ] || fail "the page lacks the picture ($red red, $blue blue)"
awk -v r="$red" -v b="$blue" -v g="$green" 'BEGIN { exit !(r / b > 0.9 && r / b < 1.1 && g / (r + b) > 0.9 && g / (r + b) < 1.1) }' ||
  fail "the page's colours are not in the picture's proportions ($red red, $blue blue, $green green)"
[ "$white" -gt "$green" ] || fail "the page has no white margins"

step "sent by mail: the composer gets the saved picture"
to_window "$EDITOR" alt+f d
wait_for "[ -s '$WORK/mail.attachment' ]" 60 || fail "xdg-email was not run"
grep -qx -- --attach "$WORK/mail.args" || fail "xdg-email was given no attachment: $(cat "$WORK/mail.args")"
cmp -s "$WORK/mail.attachment" "$WORK/out.jpg" || fail "the attachment is not the saved picture"
echo PASS
