#!/usr/bin/env bash
# command_line_test.sh BINARY CASES: runs the game once for each case of the
# table, in a scratch folder with two of its three pictures, and compares its
# exit status and whole outputs with the case's. The game runs from a copy in
# a folder of its own, so its data folder, beside it, holds no floor.bmp, and
# only a broken ball, never read while the current folder has one.
set -u
export LC_ALL=C  # patterns match bytes, UTF-8 or not
build=$(dirname "$(realpath "$1")") cases=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/game" && cp "$1" "$scratch/game" && touch "$scratch/game/balltexture.bmp" || exit 1
game=$scratch/game/$(basename "$1")
cd "$scratch" && ln -s "$build"/balltexture.bmp . || exit 1
# The floor of the "wide" cases: 65536 x 1 pixels, wider than any renderer
# takes; of the "deep" ones, 32 bits a pixel.
{ printf 'BM\0\0\0\0\0\0\0\0\x36\0\0\0\0\0\0\0\0\0\x01\0\x01\0\0\0\x01\0\x18\0\0\0\0\0'; head -c 196628 /dev/zero; } >wide.bmp
{ printf 'BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x20\0\0\0\0\0'; head -c 20 /dev/zero; } >deep.bmp
failed=0
while IFS=$'\t' read -r name status display stdout stderr arguments; do
  [ "$display" = no ] && keep=(-u DISPLAY) || keep=()
  rm -rf floor.bmp game/floor.bmp && ln -sf "$build"/pintexture.bmp .
  case $display in
    wide) ln -s wide.bmp floor.bmp ;;
    folder*) mkdir floor.bmp ;;
    fifo) mkfifo floor.bmp ;;
    deep) ln -s deep.bmp floor.bmp ;;
  esac
  # A start folder's floor that gives way: a good one beside the game, and
  # no pin picture anywhere, so the game ends once it has read the floor.
  [[ $display =~ ^(folder|fifo|deep)$ ]] && cp "$build"/floor.bmp game && rm pintexture.bmp
  exec 4>out  # or a pipe whose reading end is closed before the game starts:
  [ "$stdout" = closed ] && mkfifo pipe && exec 3<>pipe 4>pipe 3<&- && rm pipe && stdout='^$'
  [ "$stdout" = full ] && exec 4>/dev/full && stdout='^$'  # or a device that takes nothing
  shut=() && [ "$stdout" = shut ] && shut=(bash -c 'exec "$@" >&-' shut) && stdout='^$'  # or none at all
  timeout 20 env "${keep[@]}" "${shut[@]}" "$game" $arguments >&4 2>err  # a game that plays on fails
  got=$?
  exec 4>&-
  # Whole outputs, final line ends kept, against patterns whose \n are line ends.
  out=$(cat out; echo .) err=$(cat err; echo .)
  [[ $got == "$status" && ${out%.} =~ ${stdout//\\n/$'\n'} && ${err%.} =~ ${stderr//\\n/$'\n'} ]] && continue
  printf '%s: expected status %s, stdout %s, stderr %s; got status %s, stdout:\n%s\nstderr:\n%s\n' \
    "$name" "$status" "$stdout" "$stderr" "$got" "${out%.}" "${err%.}"
  failed=1
done < <(grep -v '^#' "$cases")
exit $failed
