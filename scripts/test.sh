#!/usr/bin/env bash
# Installs what is missing, builds the developer preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --workflow --preset dev
