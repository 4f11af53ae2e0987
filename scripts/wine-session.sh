#!/usr/bin/env bash
# Runs one command inside a private Wine prefix on a private virtual X display,
# and tears both down afterwards, whatever happens to the command.
#
#   scripts/wine-session.sh COMMAND [ARGS...]
#
# The command sees DISPLAY, WINEPREFIX, HOME and WINEDEBUG pointing at the
# private session; its exit status is returned. Set VOZ_WINE_KEEP=1 to keep the
# scratch folder for inspection.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/voz-wine.XXXXXX")
xvfb_pid=""

cleanup() {
  local rc=$?
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" >/dev/null 2>&1 || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [ "${VOZ_WINE_KEEP:-0}" != 1 ]; then
    rm -rf "$scratch"
  else
    echo "wine-session: kept $scratch" >&2
  fi
  exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display number: the first without a lock file.
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "wine-session: no free X display" >&2; exit 1; }

Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  if xdpyinfo -display ":$display" >/dev/null 2>&1; then break; fi
  sleep 0.1
done
xdpyinfo -display ":$display" >/dev/null 2>&1 || { echo "wine-session: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }

mkdir -p "$scratch/home"
# Wine's audio then has a null ALSA device, so volume and recording calls find an endpoint.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$scratch/home/.asoundrc"

export DISPLAY=":$display"
export WINEPREFIX="$scratch/prefix"
export HOME="$scratch/home"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
export VOZ_WINE_SCRATCH="$scratch"

log="$scratch/wine.log"
timeout 120 wineboot -i >"$log" 2>&1 || { echo "wine-session: wineboot failed" >&2; cat "$log" >&2; exit 1; }
timeout 60 wineserver -w >>"$log" 2>&1 || true
# A resident server keeps each later start fast.
wineserver -p >>"$log" 2>&1 || true

cat > "$scratch/bench.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
timeout 60 wine regedit /S "$scratch/bench.reg" >>"$log" 2>&1 || true
timeout 60 winecfg -v win10 >>"$log" 2>&1 || true

set +e
"$@"
status=$?
set -e
exit $status
