#!/usr/bin/env bash
# launch_test.sh GAME_FOLDER: the real game started where its standard
# descriptors are closed or cannot take a line: each case of the table must
# draw its window and answer a key, as anywhere else. A closed descriptor
# would be taken by the X connection, and lines written into it stall the
# game; a full pipe or a stopped terminal would make it wait for good.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
game=$1/bowling

mkfifo full
exec 5<>full  # a reader that never reads, and the pipe filled up
dd if=/dev/zero of=full bs=4096 count=1024 oflag=nonblock 2>/dev/null || true
export XDG_DATA_HOME=$scratch  # a best game it cannot read: a line at once
mkdir bowling && echo 'two hundred' >bowling/best-score
# The terminal's output stopped as Ctrl+S stops it, before the game starts.
stopped="perl -MPOSIX -e 'tcflow(1, TCOOFF)'"

while IFS=$'\t' read -r name command; do
  echo "$name"
  eval "$command" &
  pid=$!
  window=$(timeout 10 xdotool search --sync --name '^Bowling$' | head -n 1) || fail "no window"
  wait_until differs xc:black
  grab drawn.png
  xdotool windowfocus --sync "$window" key z  # the axes
  wait_until differs drawn.png
  kill "$pid"
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
done <<CASES
closed input	exec "$game" <&- >output
closed output	exec "$game" >&-
closed errors, no audio device	ALSOFT_DRIVERS=none exec "$game" --sound 2>&- >output
full pipe for both	exec "$game" --score >&5 2>&5
stopped terminal	exec script -qec "$stopped; exec '$game' --score" /dev/null </dev/null >/dev/null 2>&1
CASES
echo "played through every launch"
