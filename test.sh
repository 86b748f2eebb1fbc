#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole suite.
# QUILLO_CMAKE_ARGS=-DQUILLO_SANITIZE=ON BUILD_DIR=build-asan ./test.sh
# runs it under AddressSanitizer and UBSan.
cd "$(dirname "$0")"
# The suite's build lets no warning through.
export QUILLO_CMAKE_ARGS="-DQUILLO_WERROR=ON -DQUILLO_TESTS=ON -DQUILLO_BENCH=ON ${QUILLO_CMAKE_ARGS:-}"
export QUILLO_TESTS=1
source scripts/setup.sh
source scripts/tidy.sh
configure_and_build
tidy_tree

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
