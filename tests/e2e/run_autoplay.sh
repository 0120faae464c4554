#!/usr/bin/env bash
# Headless end-to-end play: the autoplay bot clears level 1 through the
# mouse path, the level completes and level 2 is loaded and at rest.
# usage: run_autoplay.sh PROGRAM GAME_DIR E2E_DIR
set -euo pipefail
program=$1
gamedir=$2
here=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "e2e autoplay: $*" >&2; exit 1; }

cp -r "$gamedir" "$work/home"
(cd "$work" && "$program" --headless --home "$work/home" --seed 3 --step 15 --autoplay \
   --script "$here/autoplay.script" > "$work/stdout" 2> "$work/stderr") ||
  fail "the run exited with $? ($(cat "$work/stderr"))"
grep -q "^autoplay: level 1 complete in " "$work/stdout" || fail "level 1 was not completed: $(cat "$work/stdout")"
grep -q '"level":2,' "$work/level2.json" || fail "level 2 was not loaded"
grep -q '"boardIdle":true' "$work/level2.json" || fail "level 2 is not at rest"
grep -q '"level":2,"score":0,' "$work/level2.json" && fail "no score was made"
echo "e2e autoplay: passed ($(grep -h 'level 1 complete' "$work/stdout"))"
