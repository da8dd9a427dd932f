#!/usr/bin/env bash
# Every word of the verse corpus must be known to the Slovenian Hunspell
# dictionary or stand on the project's allow-list.
set -euo pipefail
dir="$1"
allow="$(dirname "$0")/spelling-allow.txt"
unknown=$(grep -hv -e '^[@#]' -e '^[[:space:]]*$' "$dir"/bright-*.txt "$dir"/dark-*.txt 2>/dev/null |
    tr -d '0-9_' | hunspell -d sl_SI -l -i utf-8 | sort -u |
    grep -vxF -f <(grep -v -e '^#' -e '^$' "$allow" | cut -d' ' -f1) || true)
if [ -n "$unknown" ]; then
    echo "Words unknown to the Slovenian dictionary (fix them or add them to $allow with a reason):"
    echo "$unknown"
    echo "spelling: 0 passed, 1 failed"
    exit 1
fi
echo "spelling: 1 passed, 0 failed"
