#!/usr/bin/env bash
# Compiler launcher: runs the compile command given and keeps what it said on
# stderr in <object>.warnings (removed when it said nothing), still showing it.
obj=
prev=
for a in "$@"; do
  [ "$prev" = -o ] && obj=$a
  prev=$a
done
if [ -z "$obj" ]; then exec "$@"; fi
log="$obj.warnings"
mkdir -p "$(dirname "$obj")"
"$@" 2>"$log.tmp"
rc=$?
if [ -s "$log.tmp" ]; then
  cat "$log.tmp" >&2
  mv -f "$log.tmp" "$log"
else
  rm -f "$log.tmp" "$log"
fi
exit $rc
