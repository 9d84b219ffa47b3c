#!/usr/bin/env bash
# command_line_test.sh BINARY CASES: runs the game once for each case of the
# table, in a folder of its own, and compares how it ends and what it prints.
[ -s "$2" ] && mkdir -p command_line && cd command_line && ln -sf "$(dirname "$1")"/{balltexture,pintexture}.bmp . || exit 1
while IFS=$'\t' read -r name status display stdout stderr arguments; do
  [ "$display" = yes ] && keep=() || keep=(-u DISPLAY)
  # The whole outputs, last line ends kept, against patterns whose \n are made real.
  env "${keep[@]}" "$1" $arguments >out 2>err
  got=$? out=$(cat out; echo .) err=$(cat err; echo .)
  [[ $got == "$status" && ${out%.} =~ ${stdout//\\n/$'\n'} && ${err%.} =~ ${stderr//\\n/$'\n'} ]] && continue
  printf '%s: expected status %s, stdout %s, stderr %s; got status %s, stdout:\n%s\nstderr:\n%s\n' \
    "$name" "$status" "$stdout" "$stderr" "$got" "${out%.}" "${err%.}"
  failed=1
done < <(grep -v '^#' "$2")
exit "${failed:-0}"
