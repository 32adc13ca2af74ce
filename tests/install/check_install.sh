#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what lands where, makes the prefix
# read-only and starts the installed copy with a temporary home (installed_copy_test):
# everything the program writes must land in the user's folders, nothing in the prefix.
#   check_install.sh BUILD_DIR INSTALLED_COPY_TEST
set -euo pipefail
build="$1"
check="$2"
work="$(mktemp -d)"
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix"
fail() {
  echo "check_install: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/kalkuat share/kalkuat/Hilfe.html share/kalkuat/yippee.wav \
  share/kalkuat/schein.jpg share/kalkuat/README.md share/kalkuat/ZahlenAT.dat \
  share/kalkuat/LICENSE-lotto-6aus45-at.txt share/doc/kalkuat/COPYING \
  share/doc/kalkuat/LICENSE-lotto-6aus45-at.txt share/applications/kalkuat.desktop \
  share/icons/hicolor/scalable/apps/kalkuat.svg; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/kalkuat" ] || fail "the program is not executable"

# The menu entry is valid, starts the installed program and shows the installed icon.
desktop="$prefix/share/applications/kalkuat.desktop"
desktop-file-validate "$desktop" || fail "the menu entry is not valid"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ "$exec_line" = "kalkuat" ] || fail "the menu entry runs '$exec_line'"
grep -qx 'Icon=kalkuat' "$desktop" || fail "the menu entry names another icon"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/kalkuat.svg" || fail "the icon is no SVG"

chmod -R a-w "$prefix"
before="$(cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort)"

mkdir "$work/home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" \
  LOTTO_INSTALLED_PROGRAM="$prefix/bin/kalkuat" "$check"

after="$(cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort)"
[ "$before" = "$after" ] || fail "the installed copy wrote into its prefix"
[ -s "$work/home/.local/share/Brunnhold/KalkuAT/ZahlenAT.dat" ] || fail "no draw file in the user's folder"
echo "check_install: the installed copy keeps its data in the user's folders"
