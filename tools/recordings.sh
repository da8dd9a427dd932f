#!/usr/bin/env bash
# Speaks the poems of the collection with espeak-ng's Slovenian voice into
# OUTDIR/PesemN.wav, entry n as Pesem(n-1): the collection's optional recordings.
#   recordings.sh ZORAVINA-CLI OUTDIR [ENTRY...]   (all entries with a code when none is named)
set -euo pipefail
cli="$1" out="$2"
shift 2
command -v espeak-ng >/dev/null || { echo "recordings: espeak-ng is not installed"; exit 77; }
mkdir -p "$out"
wanted=" $* "
made=0
while IFS=$'\t' read -r number kind title code; do
    [ -n "$code" ] || continue
    [ $# -eq 0 ] || [[ "$wanted" == *" $number "* ]] || continue
    {
        # The title as it is said: no underscores, no rows of dashes.
        printf '%s.\n\n' "$(printf '%s' "$title" | tr -d '_' | tr -s '-' ' ')"
        "$cli" show "$number" | tr -d '0-9' | awk '
            /^[?]+$/ { print ""; next }
            { print }
            NR == 5 || NR == 10 || NR == 13 || NR == 18 { print "" }'
    } | espeak-ng -v sl -s 145 -w "$out/Pesem$((number - 1)).wav"
    made=$((made + 1))
done < <("$cli" collection)
echo "recordings: $made written to $out"
