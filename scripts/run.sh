#!/usr/bin/env bash
# Builds Vozmara for Windows and starts it under Wine with the text-driven
# speech engine.
#
#   scripts/run.sh [--keep] [EXTRA VOZMARA SWITCHES...]
#
# With an X display ($DISPLAY) the program opens there and runs until you end
# it. Without one it runs on a virtual display, saves a screenshot to
# build/screenshots/vozmara.png, says so, and ends (--keep leaves it running
# until you press Enter).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

keep=0
if [ "${1:-}" = "--keep" ]; then keep=1; shift; fi

scripts/install-deps.sh
cmake --preset windows >build-run-configure.log 2>&1 || { cat build-run-configure.log; exit 1; }
rm -f build-run-configure.log
cmake --build --preset windows -j"$(nproc)" --target Vozmara vozctl command_library >/dev/null
dist=$root/build/windows/dist
# A program folder of its own, so that settings written by a run stay there.
program=$root/build/run/Vozmara
mkdir -p "$program" "$root/build/screenshots"
cp -f "$dist/Vozmara.exe" "$dist/vozctl.exe" "$dist/命令库.edb" "$program/"
# A Chinese locale gives Wine code page 936 and its Chinese fonts.
if locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then export LC_ALL=zh_CN.UTF-8; fi
switches=(--speech=text "--speech-log=Z:${program//\//\\}\\speech.log" "$@")

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=${WINEPREFIX:-$root/build/run/prefix}
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
  echo "run: starting Vozmara on $DISPLAY (speech log: $program/speech.log)"
  exec wine "$program/Vozmara.exe" "${switches[@]}"
fi

shot=$root/build/screenshots/vozmara.png
export VOZ_RUN_SHOT=$shot VOZ_RUN_KEEP=$keep VOZ_RUN_PROGRAM=$program
scripts/wine-session.sh bash -c '
  wine "$VOZ_RUN_PROGRAM/Vozmara.exe" "$@" >/dev/null 2>&1 &
  for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "Vozmara V9.0"; then break; fi
    sleep 0.1
  done
  sleep 1
  import -window root "$VOZ_RUN_SHOT"
  echo "run: Vozmara is running on a virtual display; screenshot saved to $VOZ_RUN_SHOT"
  if [ "$VOZ_RUN_KEEP" = 1 ]; then read -r -p "Press Enter to end it. " _; fi
' run "${switches[@]}"
