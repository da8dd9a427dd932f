#!/usr/bin/env bash
# The command-line contract that corpus tools and tests rely on.
set -euo pipefail
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$cli" compose --seed 7 --count 3 --json)
[ "$(printf '%s\n' "$out" | wc -l)" -eq 3 ] || fail "compose --count 3 printed other than three lines"
again=$("$cli" compose --seed 7 --count 3 --json)
[ "$out" = "$again" ] || fail "the same seed composed different poems"
other=$("$cli" compose --seed 8 --count 3 --json)
[ "$out" != "$other" ] || fail "another seed composed the same poems"
first=$(printf '%s\n' "$out" | head -n 1)
for key in brightGroups brightVariants darkGroups darkVariants; do
    count=$(printf '%s' "$first" | grep -o "\"$key\":\[[0-9,]*\]" | tr -cd ',' | wc -c)
    [ "$count" -eq 22 ] || fail "$key does not hold 23 positions"
done
# Verses hold no straight quotes, so "," only ever separates two lines.
bright=${first#*\"brightLines\":[}; bright=${bright%%\],\"darkLines\"*}
dark=${first#*\"darkLines\":[}; dark=${dark%]\}}
for lines in "$bright" "$dark"; do
    [ "$(printf '%s' "$lines" | grep -o '","' | wc -l)" -eq 22 ] || fail "a line array does not hold 23 positions"
done

[[ "$("$cli" dump 1)" == *'["fitDB4",1,9,3]'* ]] || fail "dump 1: fitDB4 row 1 column 9 is not 3"
[[ "$("$cli" dump 1 2)" != *'["fitDB4",1,9,'* ]] || fail "dump 1 2: fitDB4 row 1 column 9 is not 0"

# A composed poem's code shows the same lines again.
plain=$("$cli" compose --seed 3 --kind 3)
code=$(printf '%s\n' "$plain" | head -n 1)
[ "$(printf '%s\n' "$plain" | sed -n '2,24p')" = "$("$cli" show "$code")" ] || fail "show does not rebuild the composed poem"
coloured=$("$cli" show "$code" --ansi)
[[ "$coloured" == *$'\x1b['*'38;2;'* ]] || fail "show --ansi printed no colour"

if "$cli" show 123 2>/dev/null; then fail "show accepted a broken code"; fi
if "$cli" show "$(printf '99%.0s' {1..46})L0" 2>/dev/null; then fail "show accepted groups beyond the store"; fi
if "$cli" compose --kind 5 2>/dev/null; then fail "compose accepted kind 5"; fi
"$cli" lint >/dev/null || fail "lint found violations"

entries=$("$cli" collection)
[ "$(printf '%s\n' "$entries" | wc -l)" -eq 109 ] || fail "collection does not list 109 entries"
[[ "$(printf '%s\n' "$entries" | sed -n 4p)" == 4$'\t'S$'\t'Je_čar\ življenja$'\t'0108* ]] || fail "collection entry 4 is not the combination poem of its code"
[[ "$(printf '%s\n' "$entries" | sed -n 109p)" == 109$'\t'-$'\t'"VNOS Z DISKA"* ]] || fail "collection entry 109 is not the file entry"
if "$cli" show 109 2>/dev/null; then fail "show accepted the file entry"; fi
echo "cli contract: 1 passed, 0 failed"
