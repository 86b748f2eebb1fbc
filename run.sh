#!/usr/bin/env bash
# Installs what is missing, builds, and starts quillo on the sample bank.
cd "$(dirname "$0")"
source scripts/setup.sh

SAMPLE_DIR="$BUILD_DIR/sample"
if [ ! -x "$BUILD_DIR/app/quillo" ]; then
  echo "Built the libraries and the sample bank ($SAMPLE_DIR/sample.db);"
  echo "the quillo window is not part of this build yet."
  exit 0
fi
export PATH="$PWD/$BUILD_DIR/diagview:$PATH"
cd "$SAMPLE_DIR"
exec "../app/quillo" "$@"
