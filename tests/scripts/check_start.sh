#!/usr/bin/env bash
# run.sh's arguments, as scripts/start.sh resolves them from the caller's
# folder: a recording program stands in for quillo.
set -euo pipefail
start="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/record" <<'SCRIPT'
#!/bin/sh
echo "cwd=$PWD args=$*"
SCRIPT
chmod +x "$work/record"
mkdir -p "$work/banks/sub dir"
touch "$work/banks/sub dir/rec.nve"
export QUILLO_PROGRAM="$work/record"
failed=0
expect() {
  local got="$1" wanted="$2"
  if [ "$got" != "$wanted" ]; then
    echo "expected: $wanted"
    echo "     got: $got"
    failed=1
  fi
}
examiner="$(cd "$build/examiner" && pwd)"
expect "$("$start" "$build")" "cwd=$examiner args="
expect "$(cd "$work" && "$start" "$build" banks)" "cwd=$work/banks args="
expect "$(cd "$work/banks" && "$start" "$build" "sub dir/rec.nve")" \
       "cwd=$work/banks/sub dir args=$work/banks/sub dir/rec.nve"
expect "$("$start" "$build" "$work/nothing" 2>&1 || true)" "run.sh: $work/nothing is neither a folder nor a file"
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
