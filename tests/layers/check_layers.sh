#!/usr/bin/env bash
# Checks that every include in a source tree points down the layers. The headless folders
# stand in a fixed order, and a folder includes only itself and the folders below it:
#
#   app  online  output  generator  stats  prizes  evaluation  draws  chart  controls  platform
#   (highest)                                                                      (lowest)
#
# so an include against the order, and with it any cycle between two folders, fails. Above
# them stand the front ends: qt (the desktop program, any Qt module) and cli (the command
# line), and qt/core, the Qt implementations of the platform interfaces the two share. cli
# and qt/core may use Qt Core and Qt Network only, qt/core includes nothing of the project
# but platform, and cli includes nothing of qt but qt/core. No headless folder includes Qt
# or a front end. A folder the order does not name is reported, so that a new one has to be
# given its place. Prints every include that points the wrong way and fails when there is
# one.
# Usage: check_layers.sh SOURCE_DIR [QT_HEADERS_DIR]
set -euo pipefail
src="${1:?usage: check_layers.sh SOURCE_DIR [QT_HEADERS_DIR]}"
qt_headers="${2:-}"
if [ -z "$qt_headers" ]; then
  for candidate in /usr/include/*/qt6 /usr/include/qt6; do
    [ -d "$candidate/QtCore" ] && { qt_headers="$candidate"; break; }
  done
fi
[ -d "$qt_headers/QtCore" ] || { echo "no Qt headers found (pass their folder)" >&2; exit 2; }
cd "$src"

order=(platform controls chart draws evaluation prizes stats generator output online app)
declare -A rank=()
for i in "${!order[@]}"; do rank[${order[$i]}]=$i; done

# Whether <Name> is a header of Qt Core or Qt Network.
core_or_network() {
  local name="$1"
  case "$name" in
    QtCore/* | QtNetwork/*) return 0 ;;
    Qt*/*) return 1 ;;
  esac
  [ -e "$qt_headers/QtCore/$name" ] || [ -e "$qt_headers/QtNetwork/$name" ]
}

status=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  line="${rest%%:*}"
  text="${rest#*:}"
  layer="${file%%/*}"
  [ "$layer" = "$file" ] && layer="(top)"
  [[ "$file" == qt/core/* ]] && layer="qtcore"
  wrong=""
  if [ -z "${rank[$layer]+set}" ] && [[ ! "$layer" =~ ^(qt|cli|qtcore)$ ]]; then
    wrong="src/$layer has no place in the layer order"
  elif [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z0-9_/]*)\> ]]; then
    header="${BASH_REMATCH[1]}"
    case "$layer" in
      qt) ;;
      cli | qtcore)
        core_or_network "$header" || wrong="only Qt Core and Qt Network belong to ${file%/*}"
        ;;
      *) wrong="Qt belongs to the front ends only" ;;
    esac
  elif [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\"([a-z_]+)/([a-z_]*/)? ]]; then
    target="${BASH_REMATCH[1]}"
    [ "$target/${BASH_REMATCH[2]}" = "qt/core/" ] && target="qtcore"
    case "$layer:$target" in
      qt:cli) wrong="the desktop program does not include the command line" ;;
      cli:qt) wrong="cli includes nothing of src/qt but src/qt/core" ;;
      qt:* | cli:*) ;;
      qtcore:qtcore | qtcore:platform) ;;
      qtcore:*) wrong="qt/core includes only qt/core/ and platform/" ;;
      *:qtcore) wrong="only the front ends include src/qt/core" ;;
      *:qt | *:cli) wrong="only the front ends include src/$target" ;;
      *)
        if [ -z "${rank[$target]+set}" ]; then
          wrong="src/$target has no place in the layer order"
        elif [ "${rank[$target]}" -gt "${rank[$layer]}" ]; then
          wrong="$layer stands below $target"
        fi
        ;;
    esac
  fi
  if [ -n "$wrong" ]; then
    echo "$file:$line: $text   <- $wrong"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' . |
         sed 's#^\./##')
exit $status
