#!/usr/bin/env bash
# Builds the record store fuzz targets with clang's libFuzzer (plus
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs one of them.
#
#   scripts/fuzz.sh [SECONDS] [TARGET]
#
# SECONDS: how long to fuzz (default 60). TARGET: edb_reader (the store file
# reader, default) or text_form (the text form reader of vozctl edb load).
# Work folder: build/fuzz (VOZ_FUZZ_DIR overrides it); crashes land in
# build/fuzz/artifacts. Extra libFuzzer flags can be given in VOZ_FUZZ_FLAGS.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
target=${2:-edb_reader}
work=${VOZ_FUZZ_DIR:-$root/build/fuzz}
cxx=${VOZ_FUZZ_CXX:-clang++-14}

case "$target" in
  edb_reader) main=EdbReaderFuzzer.cpp; seeds=edb ;;
  text_form) main=TextFormFuzzer.cpp; seeds=text ;;
  *) echo "fuzz: unknown target '$target' (edb_reader or text_form)" >&2; exit 2 ;;
esac
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz: SECONDS must be a whole number" >&2; exit 2; }
command -v "$cxx" >/dev/null || { echo "fuzz: $cxx not found" >&2; exit 1; }

# The library sources the targets need, compiled with the fuzzing flags.
sources=("$root"/recordstore/*.cpp "$root"/platform/text/*.cpp
         "$root"/platform/files/AtomicWrite.cpp "$root"/platform/files/MemoryFileSystem.cpp)
common=(-std=c++20 -g -O1 -I"$root" -Wall -Wextra)
sanitize=(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

mkdir -p "$work/seeds/edb" "$work/seeds/text" "$work/corpus/$target" "$work/artifacts"
echo "fuzz: building $target"
"$cxx" "${common[@]}" "${sanitize[@]}" -fsanitize=fuzzer "$root/fuzz/$main" "${sources[@]}" -o "$work/$target"
"$cxx" "${common[@]}" "$root/fuzz/MakeSeeds.cpp" "${sources[@]}" -o "$work/make_seeds"
"$work/make_seeds" "$work/seeds/edb" "$work/seeds/text"

echo "fuzz: running $target for $seconds s"
# New inputs go to the first folder; the seeds are read only.
# shellcheck disable=SC2086
exec "$work/$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$work/artifacts/$target-" ${VOZ_FUZZ_FLAGS:-} \
  "$work/corpus/$target" "$work/seeds/$seeds"
