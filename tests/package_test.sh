#!/usr/bin/env bash
# package_test.sh CPACK BUILD_DIR SCRATCH: builds the Debian package, unpacks
# it into SCRATCH/debian/bowling, checks it and starts it as a desktop would.
set -euo pipefail
cpack=$1 build=$2 scratch=$3

# dpkg-shlibdeps wants the package tree under debian/, with its DEBIAN
# control folder, beside a debian/control file.
rm -rf "$scratch"
mkdir -p "$scratch/debian"
touch "$scratch/debian/control"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch"
deb=$(echo "$scratch"/bowling_*.deb)
dpkg -x "$deb" "$scratch/debian/bowling"
dpkg -e "$deb" "$scratch/debian/bowling/DEBIAN"

lintian --fail-on error,warning "$deb"  # Debian's own checks; informational tags may stay

# Every library the game links must come from a package the .deb depends on,
# at least at the version its symbols need.
depends=$(dpkg-deb -f "$deb" Depends)
needed=$(cd "$scratch" && dpkg-shlibdeps -O debian/bowling/usr/games/bowling)
IFS=, read -ra items <<<"${needed#shlibs:Depends=}"
for item in "${items[@]}"; do
  [[ ", $depends," == *", ${item# },"* ]] || { echo "Depends lacks '${item# }': $depends"; exit 1; }
done

# Desktops look the entry's icon up in the hicolor theme: a scalable picture that renders.
usr=$scratch/debian/bowling/usr
entry=$(echo "$usr"/share/applications/*.desktop)
rsvg-convert "$usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$entry").svg" >/dev/null

# Each Exec= (the scored game, the practice action) started as a desktop would:
# in Path=, found in the package's games folder, on a display of its own. It
# must show its window and load its three pictures within 20 seconds.
grep -qx Path=/usr/share/games/bowling "$entry" || { echo "Path= is not Debian's folder for game data"; exit 1; }
sed -n 's/^Exec=//p' "$entry" | while read -r command; do
  (cd "$usr/share/games/bowling" && XDG_DATA_HOME=$scratch timeout 20 xvfb-run -a bash -c 'env PATH="$1" $0 >"$2" &
    xdotool search --sync --name "^Bowling$" >/dev/null; until [ "$(wc -l <"$2")" = 3 ]; do sleep 0.1; done; kill $!' \
    "$command" "$usr/games" "$scratch/output") &&
    diff <(printf 'trying to load %s\n' balltexture.bmp floor.bmp pintexture.bmp) "$scratch/output" ||
    { echo "Exec=$command did not show its window and load its pictures"; exit 1; }
done
