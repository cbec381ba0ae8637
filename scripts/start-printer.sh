#!/usr/bin/env bash
# Starts CUPS with a cups-pdf queue as the system's default printer, so that
# printing can be tested the way the clerk prints. Needs root.
set -euo pipefail
if ! lpstat -r >/dev/null 2>&1; then
  mkdir -p /run/cups
  /usr/sbin/cupsd
  for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
  lpadmin -p PDF -E -v cups-pdf:/ ${ppd:+-P "$ppd"}
fi
lpadmin -d PDF
cupsenable PDF >/dev/null 2>&1 || true
cupsaccept PDF >/dev/null 2>&1 || true
