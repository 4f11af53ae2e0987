#!/usr/bin/env bash
# Rebuilds platform/text/Cp936Tables.h from Wine's code page 936.
#
#   tools/gen-cp936/regenerate.sh BUILD_DIR
#
# BUILD_DIR is a MinGW build folder, configured with
#   cmake -S . -B BUILD_DIR -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
cmake --build "$build" --target gen-cp936 -j2
exe="$build/tests/text/gen-cp936/gen-cp936.exe"
log="$build/gen-cp936.log"
status=0
"$root/scripts/wine-session.sh" bash -c \
  "cd '$root/platform/text' && timeout 300 wine '$exe' Cp936Tables.h > '$log' 2>&1" || status=$?
cat "$log"
exit $status
