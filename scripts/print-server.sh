#!/usr/bin/env bash
# Starts or stops a private print server whose default printer writes PDF files,
# so the printing test has a real printer to print on.
#   print-server.sh start OUTPUT.pdf   (prints the queue's name)
#   print-server.sh stop
#   print-server.sh other-running      (succeeds when a print server not started here runs)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PID_FILE=/run/tavrenne-cupsd.pid
LOG=/tmp/tavrenne-cupsd.log
QUEUE=TavrenneSheet

# lpstat speaks the user's language; its English answer is the one to look for.
scheduler_running() {
    command -v lpstat >/dev/null && LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

wait_for_scheduler() {
    for _ in $(seq 1 100); do
        scheduler_running && return 0
        sleep 0.1
    done
    echo "print server did not start; see $LOG" >&2
    return 1
}

start() {
    local output="$1"
    need_packages cups printer-driver-cups-pdf poppler-utils
    # A file queue keeps the program's own PDF, text layer and all.
    if ! grep -q '^FileDevice Yes' /etc/cups/cups-files.conf; then
        echo 'FileDevice Yes' | as_root tee -a /etc/cups/cups-files.conf >/dev/null
    fi
    if ! scheduler_running; then
        as_root bash -c "setsid /usr/sbin/cupsd -f </dev/null >'$LOG' 2>&1 & echo \$! > '$PID_FILE'"
        wait_for_scheduler
    fi
    mkdir -p "$(dirname "$output")"
    chmod 1777 "$(dirname "$output")"
    as_root lpadmin -p "$QUEUE" -v "file://$output" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd -E
    as_root lpadmin -d "$QUEUE"
    echo "$QUEUE"
}

stop() {
    # The queue goes even when the scheduler is the machine's own (one that installing CUPS started).
    if command -v lpadmin >/dev/null && lpstat -p "$QUEUE" >/dev/null 2>&1; then
        as_root lpadmin -x "$QUEUE" || true
    fi
    if [ -f "$PID_FILE" ]; then
        local pid
        pid="$(cat "$PID_FILE")"
        as_root kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        as_root rm -f "$PID_FILE"
    fi
}

case "${1:-}" in
start) start "${2:?output PDF path}" ;;
stop) stop ;;
other-running) scheduler_running && [ ! -f "$PID_FILE" ] ;;
*) echo "usage: $0 start OUTPUT.pdf | stop | other-running" >&2; exit 2 ;;
esac
