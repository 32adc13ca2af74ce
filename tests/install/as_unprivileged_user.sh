#!/usr/bin/env bash
# Runs a test program as an unprivileged user: for root every folder is writable, so a
# test of what happens in a folder the program cannot write needs another user. Skips
# (exit 77) when root cannot switch to "nobody" or that user cannot reach the program.
#   as_unprivileged_user.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
command -v setpriv >/dev/null 2>&1 || exit 77
run=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp TMPDIR=/tmp)
"${run[@]}" test -x "$1" || exit 77
cd /tmp && exec "${run[@]}" "$@"
