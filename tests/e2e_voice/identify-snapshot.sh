#!/bin/sh
# Checks the copy of the screen snapshot that e2e_voice left behind with an
# independent decoder: it must be a JPEG of the screen size the test saw.
#   identify-snapshot.sh IDENTIFY FOLDER
identify=$1
folder=$2
image="$folder/screen-snapshot.jpg"
if [ ! -f "$image" ] || [ ! -f "$folder/screen-size.txt" ]; then
  echo "no snapshot copy in $folder (did the e2e_voice snapshot test pass?)"
  exit 1
fi
want="JPEG $(cat "$folder/screen-size.txt")"
got=$("$identify" -format '%m %w %h' "$image" 2>&1) || { echo "identify failed: $got"; exit 1; }
if [ "$got" != "$want" ]; then
  echo "identify says '$got', expected '$want'"
  exit 1
fi
# A full decode, not only the header: corrupt data makes this fail.
"$identify" -regard-warnings -verbose "$image" >/dev/null 2>&1 || { echo "the image does not decode cleanly"; exit 1; }
echo "snapshot decodes: $got"
