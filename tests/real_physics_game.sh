#!/usr/bin/env bash
# real_physics_game.sh GAME_FOLDER: --real-physics --score played with real
# keys to a game's end, on an X server of its own: the rolls end, the sheet
# fills and the game's score is printed.
set -euo pipefail
game=$1
source "$(dirname "$0")/x_game.sh" "$game"
export XDG_DATA_HOME=$scratch
start_game "$game" --real-physics --score
wait_until differs xc:black

# Space twice, again and again: the first starts the meter while the ball
# waits and the second releases it at once; while a ball rolls both do
# nothing. Now and then the spin and the aim change too.
for press in $(seq 1500); do
  grep -q '^Game over' output && break
  case $((press % 8)) in
    1) xdotool key --delay 20 Up Left ;;
    5) xdotool key --delay 20 Down Down Right ;;
  esac
  xdotool key --delay 20 space space
  sleep 0.1
done
kill "$pid"
wait "$pid" || true
[ -s errors ] && fail "errors: $(cat errors)"
grep -qE '^Game over: [1-9][0-9]* points, best game [1-9][0-9]*$' output || fail "output: $(cat output)"
echo "played a game: $(grep '^Game over' output)"
