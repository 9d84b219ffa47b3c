#!/usr/bin/env bash
# own_display.sh [COMMAND...]: an X server of the test's own and a scratch
# folder, TMPDIR for all the test starts, both gone when it ends however it
# ends. Sourced by x_game.sh; run, it runs the command there, stopped after
# BOWLING_TEST_SECONDS (600): before ctest's limit, which kills unawares.
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
"${outlived[@]}" Xvfb -displayfd 3 -screen 0 "${x_screen:-1280x1024x24}" 3>"$scratch/display" >/dev/null 2>&1 &
until [ -s "$scratch/display" ]; do
  kill -0 $! 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=:$(cat "$scratch/display")

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  "${outlived[@]}" timeout --kill-after=10 "${BOWLING_TEST_SECONDS:-600}" "$@" &
  wait $!
fi
