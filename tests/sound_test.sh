#!/usr/bin/env bash
# sound_test.sh GAME_FOLDER CASE: the real game played with real keys while
# OpenAL Soft writes its mix in real time to a wave file, measured with sox.
# throws: --sound, the camera swung left, the right edge at one pin, the left into the
# gutter, a full rack, a bumper, a roll paused. silent: no --sound, no file. nodriver: no such ALSA device:
# one line, a game; loud: the library's lines first. stall, stopped: the mix to a FIFO
# nobody opens (one line, a game) or nobody reads (an exit at once). zeroconf, hugeconf:
# ~/.alsoftrc /dev/zero, ALSOFT_CONF 6 GB: no device opened, one line naming it, a game.
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
[ "$case" = zeroconf ] && ln -s /dev/zero .alsoftrc
[ "$case" = hugeconf ] && truncate -s 6G alsoft.conf

rate=22050  # frames a second in the mix, of 4 bytes each
bytes() { stat -c %s mix.wav 2>/dev/null || echo 0; }
# Rolls at full power from where the keys put it; prints the mix's size at the release
# and once the ball is back at its start. new_view: xdotool's arguments change lane.png.
throw() {  # KEYS...
  xdotool key --delay 5 "$@"
  wait_until differs lane.png "$lane"
  echo -n "$(bytes) "
  xdotool key space space
  wait_until same lane.png "$lane" "${skip[@]}"
  bytes
}
# Where no mix is measured, a key the game has no use for ends the pinsetter's
# cycle. Not a pair that undoes itself: the roll may end between the two.
skip=(x) && [[ $case = throws || $case = silent ]] && skip=()
new_view() { xdotool "$@"; wait_until differs lane.png "$lane"; grab lane.png "$lane"; }
# sox's Maximum or RMS amplitude of channel 1, 2 or - (both) between mix sizes.
level() {  # WHAT CHANNEL FROM TO [EFFECT...]
  local from=$(( ($3 - header) / 4 )) to=$(( ($4 - header) / 4 )) remix=(remix "$2")
  [ "$2" = - ] && remix=()
  sox mix.wav -n trim "${from}s" "$(( to - from ))s" "${remix[@]}" "${@:5}" stat 2>&1 |
    awk -v what="$1" '$1 == what && $2 == "amplitude:" { print $3 }'
}
# The 50 ms windows from FROM where a knock starts: above 1 kHz the roll stays under 0.005.
knocks() {  # FROM TO
  local from=$(( ($1 - header) / 4 )) to=$(( ($2 - header) / 4 ))
  sox mix.wav -t dat - trim "${from}s" "$(( to - from ))s" remix - highpass 1000 | awk -v n=$((rate / 20)) '
    !/^;/ { v = $2 < 0 ? -$2 : $2; p = v > p ? v : p }
    !/^;/ && ++i % n == 0 { if (p > 0.04 && !was) printf "%d ", i / n - 1; was = p > 0.04; p = 0 } END { print "" }'
}
louder() {  # A B FACTOR CLAIM: A is more than FACTOR times B
  awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(a > f * b) }' || fail "$4: $1 against $2"
}

# Quits as a player does, or, where the device stalls or there is no quit key,
# kills the window: Xlib's status 1, no exit waiting on the device. The
# sanitizers' leak check races the threads Xlib's exit leaves running, so
# only the cases that need it end that way.
close_window() {
  if [[ $case = stopped || $case = silent ]]; then
    xdotool windowkill "$window"
    ending=1
  else
    xdotool key Escape q
    ending=0
  fi
  timeout 10 tail --pid="$pid" -f /dev/null || fail "the game still runs with its window gone"
  wait "$pid" && status=0 || status=$?
  [ "$status" = "$ending" ] || fail "the game ended with $status: $(cat errors)"
}

# With --sound the game is the player's: its keys' hint takes 18 rows above
# a scene as square as the plain game's, and the parts watched lie lower.
args=(--sound -geometry 500x518) top=18
[ "$case" = silent ] && args=() top=0
lane=500x320+0+$((180 + top))
start_game "$1" "${args[@]}"
wait_until differs xc:black  # drawn: any device was opened before
grab lane.png "$lane"  # the ball at its start, as every roll leaves it
if [ "$case" != throws ]; then
  throw d >/dev/null
  [ ! -e mix.wav ] || fail "a mix was written"
  [[ $case = silent || $case = stopped ]] && expected='^$' || expected=$'^bowling: [^\n]*playing silent$'
  [ -n "${ALSOFT_LOGLEVEL:-}" ] && expected=$'AL lib: .*\nbowling: [^\n]*playing silent$'
  [[ $case = *conf ]] && expected=$'^bowling: [^\n]*/(.alsoftrc|alsoft.conf) is no audio configuration [^\n]*playing silent$'
  [[ $(cat errors) =~ $expected ]] || fail "standard error: $(cat errors)"
  close_window
  exit 0
fi

# The camera swung left round the lane as play_game.sh does. The third ball
# is a new frame's, just right of the head pin, where seven pins fall; the
# fourth knocks the right bumper first.
new_view mousemove --window "$window" 250 250 mousedown 1 mousemove --window "$window" 312 250 mouseup 1
read -r right_from right_to < <(throw $(printf 'd %.0s' {1..49}))
read -r left_from left_to < <(throw $(printf 'a %.0s' {1..49}) $(printf 'Left %.0s' {1..10}))
read -r full_from full_to < <(throw d d d d)
new_view key b
read -r bumper_from bumper_to < <(throw $(printf 'Right %.0s' {1..12}))
# Paused a moment into a roll, the game and every voice stand still.
xdotool key space space sleep 0.4 key Escape
paused_from=$(bytes)
sleep 1
paused_to=$(bytes)
xdotool key Escape
wait_until same lane.png "$lane"
close_window  # a device left open would leave the mix's header unfinished
end=$(bytes)
(( $(od -An -tu4 -j4 -N4 mix.wav) == end - 8 )) || fail "the mix's header is unfinished"
header=$(( end - 4 * $(soxi -s mix.wav) ))

# The roll's first 0.3 s from where the mix sounds: the pin comes 0.7 s on.
louder "$(level RMS - "$right_from" "$right_to" silence 1 1s 0.1% trim 0 0.3)" 0.02 1 "the roll is heard"
# Pins against pins above 1 kHz, where the roll's rumble does not reach.
louder "$(level Maximum - "$full_from" "$full_to" highpass 1000)" \
  "$(level Maximum - "$right_from" "$right_to" highpass 1000)" 1.2 "a full rack is louder than one pin"
louder 0.01 "$(level Maximum - $(( left_from - rate * 4 / 5 )) "$left_from")" 1 "the roll stops at its end"
louder 0.01 "$(level Maximum - $(( paused_from + rate * 4 / 5 )) "$paused_to")" 1 "a paused game is silent"
# Heard from the camera swung left, the right edge's pin cracks on the left.
louder "$(level Maximum 1 "$right_from" "$right_to" highpass 1000)" \
  "$(level Maximum 2 "$right_from" "$right_to" highpass 1000)" 1.25 "heard from the camera"
read -ra right < <(knocks "$right_from" "$right_to")
read -ra left < <(knocks "$left_from" "$left_to")
read -ra bumper < <(knocks "$bumper_from" "$bumper_to")
(( ${#right[@]} == 2 )) || fail "the pin and its drop to the deck: knocks in windows ${right[*]}"
(( ${#left[@]} == 1 )) || fail "the ball drops into the gutter once: knocks in windows ${left[*]}"
# Only the right bumper's knock sounds on the right; every pin on the left.
from=$(( bumper_from + bumper[0] * rate / 20 * 4 )) to=$(( bumper_from + (bumper[0] + 1) * rate / 20 * 4 ))
louder "$(level Maximum 2 "$from" "$to" highpass 1000)" "$(level Maximum 1 "$from" "$to" highpass 1000)" 1 \
  "the right bumper knocks first"
echo "heard four throws"
