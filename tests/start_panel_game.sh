#!/usr/bin/env bash
# start_panel_game.sh GAME_FOLDER: --bowlers alone with real keys: names typed
# and kept for the next start, a new game asked first, a quit mid-game told.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
export XDG_DATA_HOME=$scratch
start_game "$1" --bowlers
wait_until differs xc:black
eval "$(xdotool getwindowgeometry --shell "$window")"
strip=${WIDTH}x$((WIDTH * 40 / 500))+0+0
ball=${WIDTH}x$((HEIGHT / 5))+0+$((HEIGHT * 4 / 5))

# Keys that would play (a space, a, d, b) only type, as the ball shows.
grab ball.png "$ball"
grab unnamed.png "$strip"
xdotool type --delay 20 'Ada' && xdotool key Tab && xdotool type --delay 20 'Bo b'
sleep 0.3
wait_until same ball.png "$ball"
xdotool key Return
wait_until differs unnamed.png "$strip"
printf 'Ada\nBo b\n' | cmp - bowling/bowlers || fail "names kept: $(cat bowling/bowlers)"
grab fresh.png "$strip"

gutter() {
  grab before.png "$strip"
  xdotool key --delay 5 $(printf 'a %.0s' $(seq 25)) space space
  wait_until differs before.png "$strip"
}
# A ball rolled: Q alone plays on; in the pause n asks, Esc goes back, n
# and Enter throw the game away.
gutter
xdotool key q Escape
sleep 0.3
grab paused.png
xdotool key n
wait_until differs paused.png
xdotool key Escape
wait_until same paused.png
xdotool key n Return
wait_until same fresh.png "$strip"

gutter
xdotool key Escape q
wait "$pid" || fail "quit: $?"
[ "$(tail -n 1 output)" = "Game not finished: nothing kept" ] || fail "output: $(cat output)"

# Last time's names listed: Tab past them adds a third.
start_game "$1" --bowlers
wait_until differs xc:black
grab named.png "$strip"
xdotool key Tab Tab && xdotool type 'Cy' && xdotool key Return
wait_until differs named.png "$strip"
printf 'Ada\nBo b\nCy\n' | cmp - bowling/bowlers || fail "names kept again: $(cat bowling/bowlers)"
echo "bowlers asked, a game kept from a stray n, a quit told"
