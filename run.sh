#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the suite in release mode and
# starts the editor with the arguments given.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh debian-packages.txt
cmake --preset release >/dev/null
cmake --build --preset release

editor=build/bin/Telvy12
if [ ! -x "$editor" ]; then
  echo "The suite is built, but the editor (Telvy12) is not built yet."
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Telvy12 needs a display: no DISPLAY or WAYLAND_DISPLAY is set."
  exit 1
fi
exec "$editor" "$@"
