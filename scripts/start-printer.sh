#!/usr/bin/env bash
# Starts CUPS with a cups-pdf queue as the system's default printer, so that
# printing can be tested the way the clerk prints. Needs root.
set -euo pipefail
export LC_ALL=C

# lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
scheduler_running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

if ! scheduler_running; then
  mkdir -p /run/cups
  /usr/sbin/cupsd
  for _ in $(seq 100); do scheduler_running && break; sleep 0.1; done
  if ! scheduler_running; then
    echo "start-printer: cupsd did not start; see /var/log/cups/error_log" >&2
    tail -n 20 /var/log/cups/error_log >&2 2>/dev/null || true
    exit 1
  fi
fi
# Set up even when a queue of that name exists: without cups-pdf's PPD it is a
# raw queue, which passes Qt's PDF to cups-pdf unconverted and yields a blank
# page. lpadmin -p changes an existing queue in place.
ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
if [ -z "$ppd" ]; then
  echo "start-printer: cups-pdf's PPD is missing (package printer-driver-cups-pdf)" >&2
  exit 1
fi
lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd"
lpadmin -d PDF
cupsenable PDF >/dev/null 2>&1 || true
cupsaccept PDF >/dev/null 2>&1 || true
