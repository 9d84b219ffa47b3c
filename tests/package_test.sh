#!/usr/bin/env bash
# package_test.sh CPACK BUILD_DIR SCRATCH: builds the Debian package, unpacks
# it into SCRATCH/debian/bowling and checks its dependencies and icon.
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

# Every library the game links must come from a package the .deb depends on,
# at least at the version its symbols need.
depends=$(dpkg-deb -f "$deb" Depends)
needed=$(cd "$scratch" && dpkg-shlibdeps -O debian/bowling/usr/bin/bowling)
IFS=, read -ra items <<<"${needed#shlibs:Depends=}"
for item in "${items[@]}"; do
  [[ ", $depends," == *", ${item# },"* ]] || { echo "Depends lacks '${item# }': $depends"; exit 1; }
done

# Desktops look the entry's icon up in the hicolor theme: a scalable picture that renders.
usr=$scratch/debian/bowling/usr
entry=$(echo "$usr"/share/applications/*.desktop)
rsvg-convert "$usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$entry").svg" >/dev/null
