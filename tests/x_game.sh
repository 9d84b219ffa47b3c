# x_game.sh GAME_FOLDER, sourced by the tests that play the real binary: an
# empty scratch folder of the test's own, current, so the game loads the
# pictures beside itself; an X server of its own with a 640 x 640 screen
# (freeglut windows carry no pid, and other tests open "Bowling" windows
# too); the game on it, its window read as pixels.
x_screen=640x640x24
source "$(dirname "${BASH_SOURCE[0]}")/own_display.sh"
cd "$scratch"

fail() { echo "FAILED: $*" >&2; exit 1; }

# start_game FOLDER [OPTION...]: writes ./output and ./errors; sets pid and
# window once it is shown: a window not yet mapped cannot take the focus. A
# game before it may have ended while the server still shows its window.
start_game() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Bowling$' >/dev/null || break
    sleep 0.1
  done
  "$1/bowling" "${@:2}" >output 2>errors &
  pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Bowling$' | head -n 1)
  xdotool windowfocus --sync "$window"
}

# Grabs the window (or the part given as WxH+X+Y), or fails if it is gone,
# as after a quit, where import would wait for it; wait_until grabs it until
# it is the same as a picture taken before (same) or until it is not (differs).
grab() { timeout 10 import -window "$window" ${2:+-crop "$2"} "$1" || fail "no window to grab"; }
wait_until() {  # same|differs REFERENCE [WxH+X+Y [KEY... pressed before each look]]
  for _ in $(seq 100); do
    [ $# -le 3 ] || xdotool key "${@:4}"
    grab now.png "${3:-}"
    pixels=$(compare -metric AE -size 500x500 "$2" now.png null: 2>&1 || true)
    [ "$1" = same ] && [ "$pixels" = 0 ] && return 0
    [ "$1" = differs ] && [ "$pixels" != 0 ] && return 0
    sleep 0.1
  done
  fail "the window ${3:-} never became $1 from $2"
}
