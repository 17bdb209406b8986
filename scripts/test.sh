#!/usr/bin/env bash
# Set-up, build, then run the whole test suite headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/setup.sh"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"
