#!/usr/bin/env bash
# Starts the program. Without a display it runs inside a virtual X server (xvfb-run).
set -euo pipefail
program="$1"
shift || true
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
  exec "$program" "$@"
fi
echo "Kein Bildschirm gefunden: das Programm läuft unsichtbar unter xvfb-run (Ende mit Strg+C)."
exec xvfb-run -a "$program" "$@"
