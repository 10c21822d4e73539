#!/usr/bin/env bash
# Starts or stops a private print server whose default printer writes PDF files,
# so the printing test has a real printer to print on.
#   print-server.sh start OUTPUT.pdf   (prints the queue's name)
#   print-server.sh stop
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PID_FILE=/run/tavrenne-cupsd.pid
LOG=/tmp/tavrenne-cupsd.log
QUEUE=TavrenneSheet

wait_for_scheduler() {
    for _ in $(seq 1 100); do
        lpstat -r 2>/dev/null | grep -q "scheduler is running" && return 0
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
    if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
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
    if [ -f "$PID_FILE" ]; then
        local pid
        pid="$(cat "$PID_FILE")"
        as_root lpadmin -x "$QUEUE" 2>/dev/null || true
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
*) echo "usage: $0 start OUTPUT.pdf | stop" >&2; exit 2 ;;
esac
