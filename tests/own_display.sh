#!/usr/bin/env bash
# own_display.sh: an X server of the test's own, on a display number no
# other server holds, and a scratch folder that is TMPDIR for all the test
# starts; both gone when the test ends, passed, failed or stopped. Sourced
# by the tests that play the real game (x_game.sh); run as
#     own_display.sh COMMAND [ARGUMENT...]
# it runs the command there and exits with its status, as ctest runs the
# in-process game tests. The command is stopped after BOWLING_TEST_SECONDS
# (600 by default), before ctest's own limit, which would kill this script
# with no chance to clean up.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/bowling-x.XXXXXX") || exit 1
export TMPDIR=$scratch
trap 'set +e; kill $(jobs -p) 2>/dev/null; wait; rm -rf "$scratch"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Should this shell be killed outright, the kernel stops the server, the
# command and a sweeper that removes the folder (its read waits forever).
outlived=(setpriv --pdeathsig TERM)
mkfifo "$scratch/sweeper"
"${outlived[@]}" bash -c 'trap "rm -rf \"\$0\"; exit" TERM; read -r <>"$0/sweeper"' "$scratch" &
"${outlived[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$scratch/display" >/dev/null 2>&1 &
until [ -s "$scratch/display" ]; do
  kill -0 $! 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=:$(cat "$scratch/display")

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  "${outlived[@]}" timeout --kill-after=10 "${BOWLING_TEST_SECONDS:-600}" "$@" &
  wait $!
fi
