#!/usr/bin/env bash
# The C++ sources are laid out as .clang-format says.
#   check_format.sh SOURCE-FOLDER
# Skipped (77) where clang-format is not installed.
set -u
cd "$1" || exit 2
command -v clang-format >/dev/null || { echo "skipped: clang-format is not installed"; exit 77; }
git ls-files '*.cpp' '*.h' 2>/dev/null | xargs -r clang-format --dry-run --Werror
