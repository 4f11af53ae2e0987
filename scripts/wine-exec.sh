#!/usr/bin/env bash
# Test emulator for the Windows build: runs one .exe under Wine with a time
# limit. Expects the environment of scripts/wine-session.sh.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-exec: no WINEPREFIX; run the tests through scripts/wine-session.sh" >&2
  exit 2
fi
exec timeout --kill-after=5 "${VOZ_WINE_TIMEOUT:-300}" wine "$@"
