#!/usr/bin/env bash
# Whole-run timings of mervane-print: one certificate cold (process start to PDF
# written) and a batch of 1000 certificates to one PDF, plus the batch's peak
# memory. Run after building: bench/whole_runs.sh [build-dir]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
tool="$build/mervane-print"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

printf ',บริษัท ตัวอย่าง จำกัด, ,12 หมู่ 3 ถนนพหลโยธิน, ,1234567890, ,1234567890123, ,5, ,27,\r\n' |
  iconv -f UTF-8 -t CP874 >"$work/COMP.TXT"

python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
def cert(i):
    return {
        "PayeeName": f"นายสมชาย ใจดี {i}", "PayeeAddress": "99/1 ถนนสุขุมวิท แขวงคลองเตย เขตคลองเตย กรุงเทพฯ",
        "PayeeTaxNo": "3101234567", "PayeeIdNo": "3101234567890", "DateOut": "2026-12-10",
        "RunNo": i, "TaxType": 7, "PayerCondition": 1,
        "Slots": {"02": {"Date": "2026-11-30", "Amount": 10000 + i, "TaxAmount": 300},
                  "08": {"Amount": 5000, "TaxAmount": 500, "Desp": "15"},
                  "15": {"Date": "2026-11-30", "Amount": 2500.5, "TaxAmount": 75.02, "Desp": "ค่าขนส่ง"}}}
json.dump(cert(1), open(f"{work}/one.json", "w"), ensure_ascii=False)
json.dump({"certificates": [cert(i) for i in range(1, 1001)]}, open(f"{work}/batch.json", "w"), ensure_ascii=False)
PY

export QT_QPA_PLATFORM=offscreen
hyperfine --warmup 3 --runs 30 --export-markdown "$work/one.md" \
  "$tool --profile $work/COMP.TXT --pdf $work/one.pdf $work/one.json"
hyperfine --warmup 1 --runs 10 --export-markdown "$work/batch.md" \
  "$tool --profile $work/COMP.TXT --pdf $work/batch.pdf $work/batch.json"
/usr/bin/time -f "peak memory for 1000 certificates: %M KiB" \
  "$tool" --profile "$work/COMP.TXT" --pdf "$work/batch.pdf" "$work/batch.json"
ls -l "$work/batch.pdf" | awk '{print "batch PDF size: " $5 " bytes"}'
