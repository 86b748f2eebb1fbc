#!/usr/bin/env bash
# Installs what is missing, builds, and starts quillo on the sample bank.
cd "$(dirname "$0")"
QUILLO_RUN_PACKAGES="xchm"
source scripts/setup.sh

build="$(cd "$BUILD_DIR" && pwd)"
export PATH="$build/diagview:$PATH"
cd "$build/examiner"
exec "$build/app/quillo" "$@"
