#!/usr/bin/env bash
# best_score_game.sh GAME_FOLDER: --score played with real keys to a game's
# end, twice, while this test holds the best games' lock as another game
# would. The first game's end is told at once and its best saved by the
# running game as the lock is let go. The second's is told with the window
# answering at once; ended by SIGTERM while its best waits, the game saves
# it as the lock is let go and only then ends.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
export XDG_DATA_HOME=$scratch
mkdir bowling
start_game "$1" --score
wait_until differs xc:black

play_to_end() {  # GAMES: space twice, until that many games are over
  for _ in $(seq 400); do
    [ "$(grep -c '^Game over' output)" -ge "$1" ] && return 0
    xdotool key --delay 20 space space
    sleep 0.3
  done
  fail "game $1 never ended"
}
# The last game's line says its best is not saved yet; then the table holds it.
not_saved_yet() { tail -n 1 output | grep -qE '^Game over: [0-9]+ points, best game [0-9]+, not saved yet$' || fail "output: $(cat output)"; }
saved() {  # within three seconds
  for _ in $(seq 30); do
    [ "$(cut -f 1 bowling/best-games 2>/dev/null | head -n 1)" = "$(tail -n 1 output | cut -d ' ' -f 3)" ] && return 0
    sleep 0.1
  done
  fail "best: $(cat bowling/best-games)"
}

exec 7>bowling/best-games.lock && flock 7
play_to_end 1
not_saved_yet
flock -u 7
saved

rm bowling/best-games && flock 7
play_to_end 2
not_saved_yet
# Meanwhile the window answers at once: Esc pauses, and again plays on.
grab over.png && start=${EPOCHREALTIME/./} && xdotool key Escape
wait_until differs over.png && (( ${EPOCHREALTIME/./} - start < 1000000 )) || fail "no answer for $(( (${EPOCHREALTIME/./} - start) / 1000 )) ms"
xdotool key Escape
sleep 2.5  # past the game's tries
kill -TERM "$pid" && sleep 0.3 && flock -u 7
status=0 && wait "$pid" || status=$?
[ "$status" = 143 ] || fail "ended with $status"
saved
[ "$(ls bowling)" = "$(printf 'best-games\nbest-games.lock')" ] || fail "left: $(ls bowling)"
echo "best games saved: $(tr '\n' ' ' <output)"
