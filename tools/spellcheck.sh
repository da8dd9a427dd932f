#!/usr/bin/env bash
# Every word of the verse corpus and of the pages must be known to the
# Slovenian Hunspell dictionary or stand on the project's allow-list. A missing dictionary or an
# empty corpus is a failure: a check that reads nothing must not pass.
set -euo pipefail
dir="${1:?usage: spellcheck.sh CORPUS-FOLDER [PAGES-FILE]}"
pages="${2:-}"
allow="$(dirname "$0")/spelling-allow.txt"
if ! command -v hunspell >/dev/null ||
   ! { hunspell -D </dev/null 2>&1 || true; } | grep -q '/sl_SI$'; then
    echo "spelling: the Slovenian Hunspell dictionary (hunspell, hunspell-sl) is not installed"
    echo "spelling: 0 passed, 1 failed"
    exit 1
fi
shopt -s nullglob
files=("$dir"/bright-*.txt "$dir"/dark-*.txt)
words=$(grep -hv -e '^[@#]' -e '^[[:space:]]*$' "${files[@]}" /dev/null | tr -d '0-9_' || true)
if [ -z "$words" ]; then
    echo "spelling: no verses found in $dir"
    echo "spelling: 0 passed, 1 failed"
    exit 1
fi
# Page lines are "NN|text"; their markup digits, {placeholders} and the single
# letters that spell out the acrostics are no words.
page_words=""
if [ -n "$pages" ]; then
    [ -s "$pages" ] || { echo "spelling: no pages in $pages"; echo "spelling: 0 passed, 1 failed"; exit 1; }
    page_words=$(grep -E '^[0-9]+\|' "$pages" | cut -d'|' -f2- | sed 's/{[a-z]*}//g' | tr -d '0-9')
fi
unknown=$(printf '%s\n%s\n' "$words" "$page_words" | hunspell -d sl_SI -l -i utf-8 | grep -v '^.$' | sort -u |
    grep -vxF -f <(grep -v -e '^#' -e '^$' "$allow" | cut -d' ' -f1) || true)
if [ -n "$unknown" ]; then
    echo "Words unknown to the Slovenian dictionary (fix them or add them to $allow with a reason):"
    echo "$unknown"
    echo "spelling: 0 passed, 1 failed"
    exit 1
fi
echo "spelling: $(printf '%s\n' "$words" | wc -l) verses${pages:+ and the pages}, 1 passed, 0 failed"
