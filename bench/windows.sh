#!/usr/bin/env bash
# Start-up to a shown main window (whole cold runs, hyperfine) and print click
# to preview shown. Run after building: bench/windows.sh [build-dir]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf ',บริษัท ตัวอย่าง จำกัด, ,12 หมู่ 3, ,1234567890, ,1234567890123, ,5, ,27,\r\n' |
  iconv -f UTF-8 -t CP874 >"$work/COMP.TXT"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
hyperfine --warmup 3 --runs 30 "$build/bench_windows start $work/COMP.TXT"
"$build/bench_windows" preview "$work/COMP.TXT" 15 | tail -1
