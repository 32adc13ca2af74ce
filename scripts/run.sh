#!/usr/bin/env bash
# Starts the program, with the project's draw server on 127.0.0.1:8045 serving the bundled
# history beside it (the program's default server), so that the update run at start-up
# ends quietly. The server stops when the program ends. Without a display the program runs
# inside a virtual X server (xvfb-run).
set -euo pipefail
program="$1"
shift || true
bin="$(dirname "$program")"
history="$(cd "$(dirname "$0")/.." && pwd)/data/lotto-6aus45-at.csv"
log="$bin/drawserver.log"

server=""
stop_server() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
}
trap stop_server EXIT

if [ -x "$bin/drawserver" ]; then
  "$bin/drawserver" --port 8045 --history "$history" >"$log" 2>&1 &
  server=$!
  # Until it listens, or has given up (a port already in use): then its one line says why.
  for _ in $(seq 50); do
    grep -q '^drawserver: http' "$log" && break
    if ! kill -0 "$server" 2>/dev/null; then
      head -n 1 "$log" >&2
      server=""
      break
    fi
    sleep 0.1
  done
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
  "$program" "$@"
else
  echo "Kein Bildschirm gefunden: das Programm läuft unsichtbar unter xvfb-run (Ende mit Strg+C)."
  xvfb-run -a "$program" "$@"
fi
