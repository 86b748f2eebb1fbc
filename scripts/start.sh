#!/usr/bin/env bash
# Starts quillo as run.sh's arguments ask, from the caller's folder:
#   start.sh BUILD                the sample bank in BUILD/examiner
#   start.sh BUILD FOLDER         in FOLDER, on the bank found there
#   start.sh BUILD FILE.nve       in the record's folder, on the record
# Relative names are the caller's. QUILLO_PROGRAM replaces the program.
set -euo pipefail

build="$(cd "$1" && pwd)"
shift
program="${QUILLO_PROGRAM:-$build/app/quillo}"
export PATH="$build/diagview:$build/helpview:$build/tools/quillo-bank:$build/tools/quillo-record:$PATH"

if [ $# -eq 0 ]; then
  cd "$build/examiner"
  exec "$program"
fi
if [ $# -gt 1 ]; then
  echo "usage: ./run.sh [FOLDER | FILE.nve]" >&2
  exit 2
fi
if [ -d "$1" ]; then
  cd "$1"
  exec "$program"
fi
if [ -f "$1" ]; then
  folder="$(cd "$(dirname "$1")" && pwd)"
  cd "$folder"
  exec "$program" "$folder/$(basename "$1")"
fi
echo "run.sh: $1 is neither a folder nor a file" >&2
exit 2
