#!/usr/bin/env bash
# package_test.sh CPACK BUILD_DIR SOURCE_DIR [CMAKE_OPTION...]: builds the
# Debian package, checks it, starts it as a desktop would, and builds it again
# in another folder with the build's options to the same bytes.
set -euo pipefail
cpack=$1 build=$2 source=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# dpkg-shlibdeps wants the package tree under debian/, with its DEBIAN
# control folder, beside a debian/control file.
mkdir -p "$scratch/debian"
touch "$scratch/debian/control"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
deb=$(echo "$scratch"/bowling_*.deb)
dpkg -x "$deb" "$scratch/debian/bowling"
dpkg -e "$deb" "$scratch/debian/bowling/DEBIAN"

# Debian's own checks, informational tags included; control-flow protection
# is not among Debian 12's hardening flags.
TMPDIR=$scratch lintian -I --fail-on error,warning,info "$deb"  # its cache file stays in TMPDIR
hardening-check --nocfprotection "$scratch/debian/bowling/usr/games/bowling"

# Every library the game links must come from a package the .deb depends on,
# at least at the version its symbols need.
depends=$(dpkg-deb -f "$deb" Depends)
needed=$(cd "$scratch" && dpkg-shlibdeps -O debian/bowling/usr/games/bowling)
IFS=, read -ra items <<<"${needed#shlibs:Depends=}"
for item in "${items[@]}"; do
  [[ ", $depends," == *", ${item# },"* ]] || { echo "Depends lacks '${item# }': $depends"; exit 1; }
done

# The desktop entry without a hint, the metadata with its launchable entry,
# and the entry's icon in the hicolor theme as a scalable picture that renders.
usr=$scratch/debian/bowling/usr
entry=$(echo "$usr"/share/applications/*.desktop)
hints=$(desktop-file-validate "$entry") && [ -z "$hints" ] || { echo "$hints"; exit 1; }
appstreamcli validate-tree --no-net --strict "$usr"
rsvg-convert "$usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$entry").svg" >/dev/null

# Each Exec= (the scored game, the practice action) started as a desktop would:
# in Path=, found in the package's games folder, on a display of its own. It
# must show its window, load its three pictures and give its window the class
# the entry names within 20 seconds.
grep -qx Path=/usr/share/games/bowling "$entry" || { echo "Path= is not Debian's folder for game data"; exit 1; }
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
sed -n 's/^Exec=//p' "$entry" | while read -r command; do
  (cd "$usr/share/games/bowling" && XDG_DATA_HOME=$scratch timeout 20 xvfb-run -a bash -c 'env PATH="$1" $0 >"$2" &
    window=$(xdotool search --sync --name "^Bowling$" | head -n 1); until [ "$(wc -l <"$2")" = 3 ]; do sleep 0.1; done
    until [[ $(xprop -id "$window" WM_CLASS) == *", \"$3\"" ]]; do sleep 0.1; done; kill $!' \
    "$command" "$usr/games" "$scratch/output" "$class") &&
    diff <(printf 'trying to load %s\n' balltexture.bmp floor.bmp pintexture.bmp) "$scratch/output" ||
    { echo "Exec=$command did not show its window of class '$class' and load its pictures"; exit 1; }
done

# Typed in a terminal, from / and as a user who owns none of its files, the
# game finds its pictures in the package's data folder.
chmod 755 "$scratch"
Xvfb -displayfd 3 3>"$scratch/display" 2>/dev/null &
trap 'kill %Xvfb; rm -rf "$scratch"' EXIT
until [ -s "$scratch/display" ]; do sleep 0.05; done
user=() && [ "$(id -u)" != 0 ] || user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
(cd / && export DISPLAY=:$(cat "$scratch/display") && "${user[@]}" "$usr/games/bowling" >"$scratch/typed" &
  timeout 20 bash -c 'until [ "$(wc -l <"$0")" = 3 ]; do sleep 0.1; done' "$scratch/typed"; kill $!) &&
  diff <(printf "trying to load $usr/share/games/bowling/%s\n" balltexture.bmp floor.bmp pintexture.bmp) "$scratch/typed" ||
  { echo "bowling typed in / did not load the package's pictures"; exit 1; }

# The same bytes from a copy of the working files in another folder, built
# with the game's targets alone. The copy has no git history, so it is given
# the last commit's date as a packager would: the first found it by itself.
copy=$scratch/elsewhere
mkdir "$copy"
git -C "$source" ls-files -z --cached --others --exclude-standard |
  tar -C "$source" --null -T - --ignore-failed-read -cf - | tar -C "$copy" -xf -
cmake -S "$copy" -B "$copy/build" "$@" -DBUILD_TESTING=OFF -DBOWLING_BENCHMARKS=OFF >/dev/null
cmake --build "$copy/build" -j "$(nproc)" >/dev/null
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
SOURCE_DATE_EPOCH=$epoch "$cpack" --config "$copy/build/CPackConfig.cmake" -G DEB -B "$copy" >/dev/null
cmp "$deb" "$copy"/bowling_*.deb ||
  { diff <(dpkg-deb -I "$deb" md5sums) <(dpkg-deb -I "$copy"/bowling_*.deb md5sums); exit 1; }
