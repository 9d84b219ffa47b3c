#!/usr/bin/env bash
# clock_test.sh GAME_FOLDER: the player's game with its wall clock stepped
# as NTP steps one (libfaketime, the monotonic clock left alone): stepped
# back 30 s as the ball rolls, or to the day before the game started, a
# roll neither waits for the wall clock nor races: its steps of 50 ms take
# their time, and a busy machine stretches them by seconds at most.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -e "$faketime" ] || fail "no $faketime: install faketime"
echo +0 >offset
LD_PRELOAD=${LD_PRELOAD:+$LD_PRELOAD:}$faketime FAKETIME_TIMESTAMP_FILE=$scratch/offset FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
  start_game "$1" --score --smooth
hint=456x14+0+40  # the keys' hint band, the aiming one once a roll has ended
wait_until differs xc:black
grab aiming.png "$hint"

# took: milliseconds from a release at full power into the left gutter, where no
# pin falls, until the ball is back in the hand, the clock stepped to OFFSET
# as it rolls.
roll() {  # OFFSET
  xdotool key --delay 5 $(printf 'a %.0s' {1..49}) $(printf 'Left %.0s' {1..10})
  local start=${EPOCHREALTIME/./}
  xdotool key space space
  wait_until differs aiming.png "$hint"
  echo "$1" >offset
  wait_until same aiming.png "$hint"
  took=$(( (${EPOCHREALTIME/./} - start) / 1000 ))
}
for offset in +0 -30 -1d; do
  roll $offset
  echo "a roll of $took ms, the clock stepped to $offset"
  (( took > 1500 && took < 15000 )) || fail "a roll of $took ms"
done
