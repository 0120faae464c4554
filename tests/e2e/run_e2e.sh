#!/usr/bin/env bash
# Headless end-to-end check of the program: two runs of the same script on
# copies of the installation directory must give the same screenshots, dumps
# and logs (but for their time stamps); a run with a picture removed must
# fail naming it.
# usage: run_e2e.sh PROGRAM GAME_DIR E2E_DIR
set -euo pipefail
program=$1
gamedir=$2
here=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "e2e: $*" >&2; exit 1; }

for run in a b; do
  mkdir -p "$work/$run/out"
  cp -r "$gamedir" "$work/$run/home"
  rm -f "$work/$run/home"/run.log "$work/$run/home"/run_pnt.log
  (cd "$work/$run/out" &&
   "$program" --headless --home "$work/$run/home" --seed 7 --step 10 --script "$here/start.script" \
     > "$work/$run/stdout" 2> "$work/$run/stderr") || fail "run $run exited with $? ($(cat "$work/$run/stderr"))"
  grep -q "^headless run: frames [0-9]*, virtual [0-9]* ms, wall [0-9]* ms$" "$work/$run/stdout" ||
    fail "run $run printed no summary line"
  grep -q "Application End\." "$work/$run/home/run.log" || fail "run $run logged no application end"
done

for f in logo.png game.png highlight.png game.json; do
  [ -s "$work/a/out/$f" ] || fail "missing $f"
  cmp -s "$work/a/out/$f" "$work/b/out/$f" || fail "$f differs between two identical runs"
done
for f in run.log run_pnt.log pbar.val; do
  diff <(cut -c20- "$work/a/home/$f") <(cut -c20- "$work/b/home/$f") > /dev/null || fail "$f differs between runs"
done

json="$work/a/out/game.json"
grep -q '"screen":"game"' "$json" || fail "the dump is not of the game screen"
grep -q '"level":1,' "$json" || fail "the dump is not of level 1"
[ "$(grep -o '{"i":' "$json" | wc -l)" -eq 116 ] || fail "the dump does not list 116 cells"
grep -q '"boardIdle":true' "$json" || fail "the board was not at rest"

# A missing picture stops the start-up with a message naming it.
mkdir -p "$work/c"
cp -r "$gamedir" "$work/c/home"
rm "$work/c/home/256/GREEN2.png"
set +e
"$program" --headless --home "$work/c/home" --seed 7 --step 10 > /dev/null 2> "$work/c/stderr"
status=$?
set -e
[ "$status" -ne 0 ] || fail "a missing picture did not fail the start-up"
grep -q "GREEN2.png" "$work/c/stderr" || fail "the failure does not name the picture: $(cat "$work/c/stderr")"
grep -q "Error Number Returned: 53 \* Critical Error!" "$work/c/home/run.log" || fail "no error line in run.log"

# A bad script line ends the run with status 3 and names the line.
printf 'wait 10\nwiggle 3\n' > "$work/bad.script"
set +e
"$program" --headless --home "$work/c/home" --script "$work/bad.script" > /dev/null 2> "$work/bad.stderr"
status=$?
set -e
[ "$status" -eq 3 ] || fail "a bad script line gave status $status"
grep -q "line 2" "$work/bad.stderr" || fail "the bad line is not named"
echo "e2e: passed"
