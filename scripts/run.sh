#!/usr/bin/env bash
# Set-up, build, then start Ostelio from its program folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/setup.sh"
exe="$here/build/bin/ostelio"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Ostelio on a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1366x768x24" "$exe"
fi
exec "$exe"
