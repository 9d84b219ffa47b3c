#!/usr/bin/env bash
# bowlers_game.sh GAME_FOLDER: --score --bowlers "Ann,Bo" played with real
# keys to the game's end: Ann rolls every ball into the gutter, Bo every ball
# straight, so each total tells whose turn each ball was.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
export XDG_DATA_HOME=$scratch
start_game "$1" --score --bowlers "Ann,Bo"
wait_until differs xc:black
# The sheet alone, 70 of its 82 strip units, not the keys' hint below it.
wide=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
strip=${wide}x$((wide * 70 / 500))+0+0

# One ball: its keys, then the sheet shows it.
ball() {
  grab before.png "$strip"
  [ $# = 0 ] || xdotool key --delay 5 "$@"
  xdotool key --delay 0 space space  # at full power: the meter has not stepped
  wait_until differs before.png "$strip"
}
gutter=$(printf 'Left %.0s' $(seq 10))  # 20 degrees: the gutter well before the pins
# Bo's Left Right aims straight as before, and ends the replay a split of
# his may have started, which would take the Space. The best games on t
# show over play, which goes on: his keys, Space too, still play.
for _ in $(seq 10); do
  ball $gutter
  ball $gutter
  ball t Left Right
  ball Left Right
done
for _ in $(seq 30); do
  [ "$(grep -c '^Game over' output)" = 2 ] && break
  sleep 0.1
done
printf 'Game over for Ann: 0 points, best game 20\nGame over for Bo: 20 points, best game 20\n' |
  diff - <(grep -v '^trying to load' output) || fail "output: $(cat output)"
kill "$pid"
echo "two bowlers played: $(grep '^Game over' output | tr '\n' ' ')"
