#!/usr/bin/env bash
# Builds the game on a fresh Debian 12 machine and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
GAME="${BUILD_DIR:-build}/game/gemhaven"
if [ ! -x "$GAME" ]; then
  echo "The game program is not built yet: ${GAME} is missing." >&2
  exit 1
fi
exec "$GAME" "$@"
