#!/usr/bin/env bash
# sound_test.sh GAME_FOLDER CASE: the real game played with real keys while
# OpenAL Soft writes its mix in real time to a wave file, measured with sox.
# throws: --sound, the right edge at one pin, the left into the gutter, a full
# rack, and the window closed as pins drop. silent: no --sound, so no file.
# nodriver: --sound on an ALSA device that does not exist: one line, a game.
# loud: nodriver where the player asked for the library's lines: them, then ours.
# stall: the mix to a FIFO nobody opens: one line after a second, a game.
# stopped: to a FIFO opened and never read: the game still ends at once.
set -euo pipefail
case=$2
source "$(dirname "$0")/x_game.sh" "$1"

# Ours alone, no user's beside it. ALSA and OpenAL Soft would tell of the
# missing device in lines of their own.
config='[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\nfrequency = 22050\n'
config+='dither = false\n[wave]\nfile = %s\n'
[ "$case" = loud ] && export ALSOFT_LOGLEVEL=1 && case=nodriver
[ "$case" = nodriver ] && config='[general]\ndrivers = alsa\n[alsa]\ndevice = nosuchdevice\n%.0s'
mix=$scratch/mix.wav
[[ $case = st* ]] && mix=$scratch/mix.fifo && mkfifo "$mix"
[ "$case" = stopped ] && exec 5<>"$mix"
printf "$config" "$mix" >alsoft.conf
export ALSOFT_CONF=$scratch/alsoft.conf HOME=$scratch XDG_CONFIG_HOME=$scratch XDG_CONFIG_DIRS=$scratch

rate=22050  # frames a second in the mix, of 4 bytes each
bytes() { stat -c %s mix.wav 2>/dev/null || echo 0; }
wait_for_mix() {  # BYTES MILLISECONDS: until the mix is that much longer
  for _ in $(seq 200); do
    (( $(bytes) >= $1 + $2 * rate * 4 / 1000 )) && return 0
    sleep 0.05
  done
  fail "the mix stopped growing"
}
# Rolls at full power from where the keys put it; prints the mix's size at
# the release and once the ball is back at its start.
throw() {  # KEYS...
  xdotool key --delay 5 "$@"
  wait_until differs lane.png 500x320+0+180
  echo -n "$(bytes) "
  xdotool key space space
  wait_until same lane.png 500x320+0+180
  bytes
}
# sox's Maximum or RMS amplitude of channel 1, 2 or - (both) between mix sizes.
level() {  # WHAT CHANNEL FROM TO [EFFECT...]
  local from=$(( ($3 - header) / 4 )) to=$(( ($4 - header) / 4 )) remix=(remix "$2")
  [ "$2" = - ] && remix=()
  sox mix.wav -n trim "${from}s" "$(( to - from ))s" "${remix[@]}" "${@:5}" stat 2>&1 |
    awk -v what="$1" '$1 == what && $2 == "amplitude:" { print $3 }'
}
louder() {  # A B FACTOR CLAIM: A is more than FACTOR times B
  awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(a > f * b) }' || fail "$4: $1 against $2"
}

# Xlib ends the program with 1 when its window is gone, not a sanitizer's
# report, nor an exit that waits on the device.
close_window() {
  xdotool windowkill "$window"
  timeout 10 tail --pid="$pid" -f /dev/null || fail "the game still runs with its window gone"
  status=0
  wait "$pid" || status=$?
  [ "$status" = 1 ] || fail "the game ended with $status: $(cat errors)"
}

args=(--sound)
[ "$case" = silent ] && args=()
start_game "$1" "${args[@]}"
wait_until differs xc:black  # drawn: any device was opened before
grab lane.png 500x320+0+180  # the ball at its start, as every roll leaves it
if [ "$case" != throws ]; then
  throw d >/dev/null
  [ ! -e mix.wav ] || fail "a mix was written"
  [[ $case = silent || $case = stopped ]] && expected='^$' || expected=$'^bowling: [^\n]*playing silent$'
  [ -n "${ALSOFT_LOGLEVEL:-}" ] && expected=$'AL lib: .*\nbowling: [^\n]*playing silent$'
  [[ $(cat errors) =~ $expected ]] || fail "standard error: $(cat errors)"
  close_window
  exit 0
fi

# Half a second of aiming first. The third ball is a new frame's, just right
# of the head pin, where seven pins fall.
wait_for_mix "$(bytes)" 500
read -r right_from right_to < <(throw $(printf 'd %.0s' {1..49}))
read -r left_from left_to < <(throw $(printf 'a %.0s' {1..49}) $(printf 'Left %.0s' {1..10}))
xdotool key --delay 5 d d d d
grab rack.png 500x180+0+0
full_from=$(bytes)
xdotool key space space
wait_until differs rack.png 500x180+0+0
wait_for_mix "$(bytes)" 800
close_window  # a device left open would leave the mix's header unfinished
full_to=$(bytes)
(( $(od -An -tu4 -j4 -N4 mix.wav) == full_to - 8 )) || fail "the mix's header is unfinished"
header=$(( full_to - 4 * $(soxi -s mix.wav) ))

[ "$(level Maximum - "$header" "$right_from")" = 0.000000 ] || fail "a sound while aiming"
# The roll's first 0.3 s from where the mix sounds: the pin comes 0.7 s on.
roll=(silence 1 1s 0.1% trim 0 0.3)
louder "$(level RMS - "$right_from" "$right_to" "${roll[@]}")" 0.02 1 "the roll is heard"
roll=$(level Maximum - "$right_from" "$right_to" "${roll[@]}")
louder "$(level Maximum - "$right_from" "$right_to")" "$roll" 1.5 "the pin is louder than the roll"
# Pins against pins above 1 kHz, where the roll's rumble does not reach.
louder "$(level Maximum - "$full_from" "$full_to" highpass 1000)" \
  "$(level Maximum - "$right_from" "$right_to" highpass 1000)" 1.2 "a full rack is louder than one pin"
louder "$(level Maximum - "$left_from" "$left_to")" "$roll" 2 "the gutter is louder than the roll"
louder 0.01 "$(level Maximum - $(( left_from - rate * 4 / 5 )) "$left_from")" 1 "the roll stops at its end"
louder "$(level RMS 2 "$right_from" "$right_to")" "$(level RMS 1 "$right_from" "$right_to")" 1.25 "right is right"
louder "$(level RMS 1 "$left_from" "$left_to")" "$(level RMS 2 "$left_from" "$left_to")" 1.25 "left is left"
echo "heard three throws"
