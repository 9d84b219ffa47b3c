#!/usr/bin/env bash
# package_test.sh: the Debian package as a player gets it.
#   package_test.sh unpack CPACK BUILD_DIR SCRATCH
#     builds the .deb and unpacks it into SCRATCH/debian/bowling;
#   package_test.sh start SCRATCH
#     checks its dependencies and icon, then starts the unpacked game the way
#     its desktop entry does, on an X server of its own, and checks the
#     texture lines and the window.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

unpack() {
  local cpack=$1 build=$2 scratch=$3
  rm -rf "$scratch"
  # dpkg-shlibdeps wants a package tree under debian/, with its DEBIAN
  # control folder, beside a debian/control file.
  mkdir -p "$scratch/debian"
  touch "$scratch/debian/control"
  "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" \
    || fail "cpack: $(cat "$scratch/cpack.log")"
  dpkg -x "$scratch"/bowling_*.deb "$scratch/debian/bowling"
  dpkg -e "$scratch"/bowling_*.deb "$scratch/debian/bowling/DEBIAN"
}

start() {
  local scratch
  scratch=$(realpath "$1")
  local root=$scratch/debian/bowling
  local entry=$root/usr/share/applications/org.example.Bowling.desktop
  entry_key() { sed -n "s/^$1=//p" "$entry"; }

  # Every library the game links must come from a package the .deb depends
  # on, at least at the version its symbols need.
  local depends needed item
  depends=$(dpkg-deb -f "$scratch"/bowling_*.deb Depends)
  needed=$(cd "$scratch" && dpkg-shlibdeps -O debian/bowling/usr/bin/bowling)
  IFS=, read -ra items <<<"${needed#shlibs:Depends=}"
  for item in "${items[@]}"; do
    item=${item# }
    [[ ", $depends," == *", $item,"* ]] || fail "Depends lacks '$item': $depends"
  done

  # Desktops look the entry's icon up by name in the hicolor theme: a PNG
  # whose header says 256 x 256.
  local icon header
  icon=$root/usr/share/icons/hicolor/256x256/apps/$(entry_key Icon).png
  [ -f "$icon" ] || fail "no icon at $icon"
  header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
  [ "$header" = 89504e470d0a1a0a0000000d494844520000010000000100 ] \
    || fail "$icon is not a 256 x 256 PNG (header $header)"

  local dir=$root$(entry_key Path)
  local game_binary=$root/usr/bin/$(entry_key Exec)
  [ -d "$dir" ] || fail "the entry's Path= $dir is not installed"
  [ -x "$game_binary" ] || fail "the entry's Exec= $game_binary is not installed"

  # A server of our own, so no other test's "Bowling" window is found; it
  # picks a free display and tells us its number. The two process ids are
  # global: the exit trap still needs them after this function returns.
  game='' xvfb=''
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  xvfb=$!
  trap 'kill $game $xvfb 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
  done
  [ -s "$scratch/display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
  export DISPLAY=:$(cat "$scratch/display")

  (cd "$dir" && exec "$game_binary") >"$scratch/game.out" 2>"$scratch/game.err" &
  game=$!
  # The window is mapped once the main loop runs, after the textures loaded.
  for _ in $(seq 200); do
    xwininfo -name Bowling >"$scratch/window" 2>/dev/null \
      && grep -q "Map State: IsViewable" "$scratch/window" && break
    kill -0 "$game" 2>/dev/null || fail "the game ended: $(cat "$scratch/game.out" "$scratch/game.err")"
    sleep 0.1
  done
  grep -q "Map State: IsViewable" "$scratch/window" || fail "no window titled Bowling was shown"
  grep -q "Width: 500$" "$scratch/window" && grep -q "Height: 500$" "$scratch/window" \
    || fail "the window is not 500 x 500: $(cat "$scratch/window")"

  local expected="trying to load balltexture.bmp
trying to load floor.bmp
trying to load pintexture.bmp"
  [ "$(cat "$scratch/game.out")" = "$expected" ] \
    || fail "the game printed: $(cat "$scratch/game.out" "$scratch/game.err")"
  echo "the installed game started from $dir"
}

case ${1:-} in
  unpack | start) "$@" ;;
  *) fail "usage: $0 unpack CPACK BUILD_DIR SCRATCH | start SCRATCH" ;;
esac
