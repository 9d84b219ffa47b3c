#!/usr/bin/env bash
# launch_test.sh GAME_FOLDER: the real game started with a standard descriptor
# closed (the X connection's to take), on a full pipe or a stopped terminal:
# each case must draw its window and answer a key.
set -euo pipefail
source "$(dirname "$0")/x_game.sh" "$1"
game=$1/bowling
mkfifo full && exec 5<>full  # a reader that never reads, and the pipe filled up
dd if=/dev/zero of=full bs=4096 count=1024 oflag=nonblock 2>/dev/null || true
# A best game it cannot read, for a line at once with --score.
export XDG_DATA_HOME=$scratch && mkdir bowling && echo 'two hundred' >bowling/best-score

while IFS=$'\t' read -r name command; do
  echo "$name"
  eval "$command" & pid=$!
  window=$(timeout 10 xdotool search --sync --name '^Bowling$' | head -n 1)
  wait_until differs xc:black
  grab drawn.png
  xdotool windowfocus --sync "$window" key z  # the axes
  wait_until differs drawn.png
  kill "$pid" && while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
done <<CASES
closed input	exec "$game" <&- >output
closed output	exec "$game" >&-
closed errors, no audio device	ALSOFT_DRIVERS=none exec "$game" --sound 2>&- >output
full pipe for both	exec "$game" --score >&5 2>&5
stopped terminal (as by Ctrl+S)	exec script -qec "perl -MPOSIX -e 'tcflow(1, TCOOFF)'; exec '$game' --score" /dev/null </dev/null >/dev/null 2>&1
CASES

# Both on a UNIX socket whose reader never reads, filled up: the game plays,
# and once it has quit, or a signal has ended it, the socket it shares
# blocks again.
for ending in quit TERM; do
  echo "stalled socket for both, then $ending"
  perl -MSocket -MFcntl -e '
    socketpair(my $ours, my $unread, AF_UNIX, SOCK_STREAM, PF_UNSPEC) or die;
    fcntl($ours, F_SETFL, O_NONBLOCK); 1 while syswrite($ours, "x" x 4096); fcntl($ours, F_SETFL, 0);
    my $pid = fork // die;
    if (!$pid) { open STDOUT, ">&", $ours; open STDERR, ">&", $ours; exec @ARGV; die }
    open my $file, ">", "game_pid" or die; print $file $pid; close $file;
    waitpid $pid, 0;
    print $?, fcntl($ours, F_GETFL, 0) & O_NONBLOCK ? " non-blocking" : " blocking";
  ' "$game" --score >socket_status &
  window=$(timeout 10 xdotool search --sync --name '^Bowling$' | head -n 1)
  wait_until differs xc:black
  [ $ending = quit ] && xdotool windowfocus --sync "$window" key Escape q || kill -TERM "$(cat game_pid)"
  wait $!
  [ "$(cat socket_status)" = "$([ $ending = quit ] && echo 0 || echo 15) blocking" ] || fail "after the socket: $(cat socket_status)"
done
echo "every launch drew its window and answered"
