#!/usr/bin/env bash
# Builds Ostelio and runs every benchmark, each printing its figures next to
# its target. Benchmarks write their generated archives to a temporary folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/setup.sh"
status=0
for bench in "$here"/build/bin/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench" || status=1
done
exit $status
