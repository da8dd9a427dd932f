#!/usr/bin/env bash
# Runs the device tests against a real CUPS queue whose printer writes PDF files
# and a real PulseAudio server with a null sink, both started here and stopped
# after. A service that cannot start is named, and its test skips.
set -uo pipefail
binary="$1"
shift
work=$(mktemp -d)
queue=ZoravinaPreizkus
started_cups=0 added_queue=0 previous_default="" pulse_pid=""

cleanup() {
    if [ "$added_queue" = 1 ]; then
        lpadmin -x "$queue" 2>/dev/null
        [ -n "$previous_default" ] && lpadmin -d "$previous_default" 2>/dev/null
    fi
    [ "$started_cups" = 1 ] && pkill -x cupsd 2>/dev/null
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_cups() {
    [ "$(id -u)" = 0 ] || { echo "not root, so no printer queue can be added"; return 1; }
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "cups is not installed"; return 1; }
    [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "printer-driver-cups-pdf is not installed"; return 1; }
    command -v pdftotext >/dev/null || { echo "poppler-utils is not installed"; return 1; }
    # lpstat -r says whether the scheduler runs; its exit status does not.
    running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }
    if ! running; then
        /usr/sbin/cupsd || { echo "cupsd did not start"; return 1; }
        started_cups=1
        for _ in $(seq 100); do running && break; sleep 0.1; done
        running || { echo "cupsd did not answer"; return 1; }
    fi
    previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
    # cups-pdf takes PostScript; cairo's conversion keeps the text as text (the
    # default one turns it into glyphs that no longer map to letters).
    lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v 'drivers are deprecated'
    lpstat -p "$queue" >/dev/null 2>&1 || { echo "the PDF queue could not be added"; return 1; }
    added_queue=1
    lpadmin -d "$queue" || return 1
    # cups-pdf writes into the job owner's home, whatever HOME says.
    local home
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    out=$(sed -n 's/^Out[[:space:]]*//p' /etc/cups/cups-pdf.conf | sed "s#\${HOME}#$home#")
    mkdir -p "$out"
    export ZORAVINA_CUPS_PDF_OUT="$out"
}

start_pulse() {
    command -v pulseaudio >/dev/null && command -v pactl >/dev/null || { echo "pulseaudio is not installed"; return 1; }
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=zoravina" -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" \
        >/dev/null 2>&1 &
    pulse_pid=$!
    for _ in $(seq 50); do PULSE_SERVER="unix:$work/native" pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    PULSE_SERVER="unix:$work/native" pactl info >/dev/null 2>&1 || { echo "pulseaudio did not start"; return 1; }
    export PULSE_SERVER="unix:$work/native"
}

start_cups >"$work/cups.why" 2>&1 || { export ZORAVINA_CUPS_SKIPPED="$(tail -n 1 "$work/cups.why")"; unset ZORAVINA_CUPS_PDF_OUT; }
start_pulse >"$work/pulse.why" 2>&1 || { export ZORAVINA_PULSE_SKIPPED="$(tail -n 1 "$work/pulse.why")"; unset PULSE_SERVER; }
"$binary" "$@"
