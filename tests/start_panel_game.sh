#!/usr/bin/env bash
# start_panel_game.sh GAME_FOLDER: --bowlers alone, played with real keys:
# the names typed on the start panel and kept for the next start, a new
# game asked for and refused while one is under way, and a quit mid-game
# told.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
export XDG_DATA_HOME=$scratch
start_game "$1" --bowlers
wait_until differs xc:black
geometry=$(xdotool getwindowgeometry "$window")
wide=$(sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p' <<<"$geometry")
high=$(sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p' <<<"$geometry")
strip=${wide}x$((wide * 40 / 500))+0+0
ball=${wide}x$((high / 5))+0+$((high * 4 / 5))

# Keys that would play (a space, a, d, b) only type, as the ball shows.
grab ball.png "$ball"
xdotool type --delay 20 'Ada'
xdotool key Tab
xdotool type --delay 20 'Bo b'
sleep 0.3
wait_until same ball.png "$ball"
grab unnamed.png "$strip"
xdotool key Return
wait_until differs unnamed.png "$strip"
printf 'Ada\nBo b\n' | cmp - bowling/bowlers || fail "names kept: $(cat bowling/bowlers)"
grab fresh.png "$strip"

gutter() {
  grab before.png "$strip"
  xdotool key --delay 5 $(printf 'a %.0s' $(seq 25)) space space
  wait_until differs before.png "$strip"
}
# A ball of the game rolled: n asks, Esc goes back to the pause, n and
# Enter throw the game away.
gutter
xdotool key Escape
sleep 0.3
grab paused.png
xdotool key n
wait_until differs paused.png
xdotool key Escape
wait_until same paused.png
xdotool key n Return
wait_until same fresh.png "$strip"

# Quitting a game under way says nothing is kept.
gutter
xdotool key Escape q
wait "$pid" || fail "quit: $?"
[ "$(tail -n 1 output)" = "Game not finished: nothing kept" ] || fail "output: $(cat output)"

# Last time's names listed: Tab past them adds a third.
start_game "$1" --bowlers
wait_until differs xc:black
xdotool key Tab Tab
xdotool type 'Cy'
xdotool key Return
for _ in $(seq 50); do
  [ "$(cat bowling/bowlers)" = "$(printf 'Ada\nBo b\nCy')" ] && break
  sleep 0.1
done
printf 'Ada\nBo b\nCy\n' | cmp - bowling/bowlers || fail "names kept again: $(cat bowling/bowlers)"
kill "$pid"
echo "bowlers asked, a game kept from a stray n, a quit told"
