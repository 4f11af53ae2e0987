#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only the missing ones).
set -euo pipefail

packages=(
  cmake make g++ googletest                      # native build and unit tests
  clang libclang-rt-14-dev                       # fuzzing
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb x11-utils xauth locales       # running the Windows build
  imagemagick fonts-wqy-microhei                 # checking images; Chinese glyphs for Wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
ensure_locale() {
  # Wine uses code page 936 only in a Chinese locale; some tests need it.
  locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' && return 0
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || echo "install-deps: could not make the zh_CN.UTF-8 locale"
}
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale
  exit 0
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_locale
