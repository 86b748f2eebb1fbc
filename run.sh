#!/usr/bin/env bash
# Installs what is missing, builds what it runs, and starts quillo:
#   ./run.sh              on the sample bank
#   ./run.sh FOLDER       in FOLDER, on the question bank there
#   ./run.sh FILE.nve     on a saved record, in its folder
caller="$PWD"
cd "$(dirname "$0")"
project="$PWD"
# Building to run needs neither the tests nor the benchmarks.
export QUILLO_CMAKE_ARGS="-DQUILLO_TESTS=OFF -DQUILLO_BENCH=OFF ${QUILLO_CMAKE_ARGS:-}"
source scripts/setup.sh
configure_and_build quillo diagview quillo-help quillo-bank sample_bank help_file
build="$(cd "$BUILD_DIR" && pwd)"
cd "$caller"
exec "$project/scripts/start.sh" "$build" "$@"
