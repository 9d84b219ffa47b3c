#!/usr/bin/env bash
# player_window_test.sh GAME_FOLDER: the real player's window on an X server
# of its own: centred with the scene's proportions, its class named for the
# desktop, Q quitting only from the pause panel, and GLUT's -geometry
# placing it instead.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
start_game "$1" --smooth
wait_until differs xc:black  # drawn: the window's class was named before

class=$(xprop -id "$window" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "bowling", "Bowling"' ] || fail "$class"
# Four fifths of the 640 rows of the screen, a square scene below the hint.
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Position: 73,64 "* && $geometry == *"Geometry: 494x512"* ]] || fail "$geometry"

# Q alone leaves the game going: Esc then shows the pause panel, and Q quits.
grab playing.png
xdotool key q Escape
wait_until differs playing.png
xdotool key q
wait "$pid" || fail "status $? after Q in the pause panel"

# With --score the sheet's band is above the hint's: as tall, narrower.
start_game "$1" --score
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Position: 92,64 "* && $geometry == *"Geometry: 456x512"* ]] || fail "--score: $geometry"
kill "$pid"

start_game "$1" --score -geometry 300x400+5+6
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Position: 5,6 "* && $geometry == *"Geometry: 300x400"* ]] || fail "-geometry: $geometry"
echo "the player's window opened, paused and quit"
