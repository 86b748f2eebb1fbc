#!/usr/bin/env bash
# Every program refuses an option it does not know before it opens any
# window: a message naming it on standard error, nothing on standard
# output, exit status 2; after "--" the same word is a file name.
#   check_options.sh PROGRAM...
failed=0
for program in "$@"; do
  name=$(basename "$program")
  err=$(mktemp)
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 10 "$program" --bogus 2>"$err")
  status=$?
  if [ "$status" != 2 ] || [ -n "$out" ] || ! grep -qx "$name: unknown option '--bogus'" "$err"; then
    echo "$name --bogus: exit $status, said: $out $(cat "$err")"
    failed=1
  fi
  rm -f "$err"
done
# A record named like an option, given after "--", is looked for as a file.
record="${!#}"
said=$("$record" show -- -missing.nve 2>&1)
[ $? = 1 ] && grep -q -- "-missing.nve: no such file" <<<"$said" || { echo "quillo-record show -- -missing.nve: $said"; failed=1; }
exit $failed
