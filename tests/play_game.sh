#!/usr/bin/env bash
# play_game.sh GAME_FOLDER: the real game, started in an empty folder, so it
# loads the three pictures beside itself, on an X server of its own, played
# with real key and mouse events and read back from its window's pixels.
set -euo pipefail
game=$(realpath "$1")
source "$(dirname "$0")/x_game.sh" "$game"
start_game "$game"

[ "$(xdotool getwindowname "$window")" = Bowling ] || fail "window title"
[[ $(xprop -id "$window" WM_CLASS) == *"not found"* ]] || fail "the plain game names its class"
xdotool getwindowgeometry "$window" | grep -q 'Geometry: 500x500' || fail "window size"
wait_until differs xc:black  # drawn once the textures are loaded
grab start.png
grab rack.png 500x180+0+0
grab lane.png 500x320+0+180

# The ball a little right, aimed 2 degrees right, released at once at full
# power: some pins fall and stay down, the ball comes back to its start.
xdotool key --delay 10 d d d d d d d d d d d d d d d d d d d d d a Left Right Right
wait_until differs lane.png 500x320+0+180
xdotool key space space
wait_until differs rack.png 500x180+0+0
wait_until same lane.png 500x320+0+180
grab left.png 500x180+0+0
compare -metric AE rack.png left.png null: 2>/dev/null && fail "no pin fell, or all did"

# The second ball, straight: then the full rack stands again.
xdotool key space space
wait_until differs start.png
wait_until same start.png

# A drag to the right swings the camera round the lane.
xdotool mousemove --window "$window" 250 250 mousedown 1 mousemove --window "$window" 312 250 mouseup 1
wait_until differs start.png
kill "$pid"
wait "$pid" || true
printf "trying to load $game/%s\n" balltexture.bmp floor.bmp pintexture.bmp | cmp - output || fail "output: $(cat output)"
echo "played a frame"
