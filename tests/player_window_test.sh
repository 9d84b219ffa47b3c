#!/usr/bin/env bash
# player_window_test.sh GAME_FOLDER: the real player's window on an X server
# of its own: centred with the scene's proportions, its class named for the
# desktop, F11 over the whole screen and back, and GLUT's -geometry placing
# it instead, within the screen.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
expect_geometry() {  # POSITION SIZE WHY
  for _ in $(seq 50); do
    geometry=$(xdotool getwindowgeometry "$window")
    [[ $geometry == *"Position: $1 "* && $geometry == *"Geometry: $2"* ]] && return 0
    sleep 0.1
  done
  fail "$3: $geometry"
}
start_game "$1" --smooth
wait_until differs xc:black  # drawn: the window's class was named before

class=$(xprop -id "$window" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "bowling", "Bowling"' ] || fail "$class"
# Four fifths of the 640 rows of the screen, a square scene below the hint.
expect_geometry 73,64 494x512 "--smooth"

kill "$pid"

# With --score the sheet's band is above the hint's: as tall, narrower.
start_game "$1" --score
expect_geometry 92,64 456x512 "--score"
# F11 with no window manager: the whole screen, then back where it was.
xdotool key F11
expect_geometry 0,0 640x640 "full screen"
xdotool key F11
expect_geometry 92,64 456x512 "back from full screen"
kill "$pid"

start_game "$1" --score -geometry 300x400+5+6
expect_geometry 5,6 300x400 "-geometry"
kill "$pid"

# A window asked larger than the screen is the screen's size; one made
# larger than the renderer takes (Mesa's software renderer: 16384) is sized
# back to the screen, each time, and the game plays on.
start_game "$1" --score -geometry 65535x65535
expect_geometry 0,0 640x640 "-geometry 65535x65535"
for size in 32767 65535; do
  xdotool windowsize "$window" $size $size
  expect_geometry 0,0 640x640 "resized to ${size}x$size"
done
grab big.png
xdotool key z
wait_until differs big.png
