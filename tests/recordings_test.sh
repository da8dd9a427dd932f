#!/usr/bin/env bash
# A recording of a collection poem is a wave file that speaks for a while.
set -euo pipefail
cli="$1" script="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status=0
bash "$script" "$cli" "$work" 7 || status=$?
[ "$status" -eq 77 ] && { echo "recordings: espeak-ng is not installed, skipped"; exit 77; }
[ "$status" -eq 0 ] || fail "the recording script failed"
wave="$work/Pesem6.wav"
[ -s "$wave" ] || fail "entry 7 was not recorded as Pesem6.wav"
[ "$(head -c 4 "$wave")" = "RIFF" ] && [ "$(dd if="$wave" bs=1 skip=8 count=4 2>/dev/null)" = "WAVE" ] || fail "not a wave file"
rate=$(od -An -tu4 -j24 -N4 "$wave" | tr -d ' ')
bytes=$(stat -c %s "$wave")
seconds=$(( (bytes - 44) / (rate * 2) ))
[ "$seconds" -ge 20 ] || fail "the poem takes only $seconds seconds to say"
[ ! -e "$work/Pesem7.wav" ] || fail "an entry that was not asked for was recorded"
echo "recordings: 1 passed, 0 failed ($seconds s)"
