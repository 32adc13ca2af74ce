#!/usr/bin/env bash
# Checks that every include in a source tree points down the layers:
#
#   qt  ->  app  ->  subsystems (draws, stats, evaluation, generator, output, online)
#                ->  controls  ->  platform
#
# Only src/qt includes Qt or qt/; only src/app and src/qt include app/; controls includes
# nothing above itself, platform nothing but platform. Prints every include that points
# the wrong way and fails when there is one.
# Usage: check_layers.sh SOURCE_DIR
set -euo pipefail
src="${1:?usage: check_layers.sh SOURCE_DIR}"
cd "$src"

status=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  line="${rest%%:*}"
  text="${rest#*:}"
  layer="${file%%/*}"
  wrong=""
  if [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\<Q ]]; then
    [ "$layer" = qt ] || wrong="Qt belongs to src/qt only"
  elif [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
    target="${BASH_REMATCH[1]}"
    case "$layer:$target" in
      qt:*) ;;
      *:qt) wrong="only src/qt includes qt/" ;;
      app:*) ;;
      *:app) wrong="only src/app and src/qt include app/" ;;
      platform:platform) ;;
      platform:*) wrong="platform includes only platform/" ;;
      controls:controls | controls:platform) ;;
      controls:*) wrong="controls includes only controls/ and platform/" ;;
    esac
  fi
  if [ -n "$wrong" ]; then
    echo "$file:$line: $text   <- $wrong"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' . |
         sed 's#^\./##')
exit $status
