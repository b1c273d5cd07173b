#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts Kestrow.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kestrow
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: set DISPLAY (or run under xvfb-run) to see Kestrow's windows." >&2
  exit 1
fi
exec build/release/app/kestrow
