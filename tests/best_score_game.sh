#!/usr/bin/env bash
# best_score_game.sh GAME_FOLDER ENDING: --score played with real keys to a
# game's end while this test holds the best games' lock as another game
# would: its end is told at once, and its best saved as the lock is let go,
# by the running game (let_go) or, ended by SIGTERM while its best waits and
# its window still answers, before it ends (signal).
set -euo pipefail
ending=$2
source "$(dirname "$0")/x_game.sh" "$1"
export XDG_DATA_HOME=$scratch
mkdir bowling
start_game "$1" --score
wait_until differs xc:black

# Space twice, until the game is over.
exec 7>bowling/best-games.lock && flock 7
for _ in $(seq 1000); do
  grep -q '^Game over' output && break
  xdotool key --delay 20 space space
  sleep 0.1
done
tail -n 1 output | grep -qE '^Game over: [0-9]+ points, best game [0-9]+, not saved yet$' || fail "output: $(cat output)"

if [ "$ending" = signal ]; then
  # While the game tries for the lock, Esc pauses, and again plays on.
  grab over.png && xdotool key Escape
  wait_until differs over.png
  xdotool key Escape
  sleep 2.5  # past the game's tries
  kill -TERM "$pid" && sleep 0.3 && flock -u 7
  status=0 && wait "$pid" || status=$?
  [ "$status" = 143 ] || fail "ended with $status"
else
  flock -u 7
fi
for try in $(seq 30); do  # within three seconds
  [ "$(cut -f 1 bowling/best-games 2>/dev/null)" = "$(tail -n 1 output | cut -d ' ' -f 3)" ] && break
  [ "$try" = 30 ] && fail "best: $(cat bowling/best-games)"
  sleep 0.1
done
[ "$(ls bowling)" = "$(printf 'best-games\nbest-games.lock')" ] || fail "left: $(ls bowling)"
echo "best game saved: $(tail -n 1 output)"
