#!/usr/bin/env bash
# The C++ sources are laid out as .clang-format says, by the formatter's
# major version the layout was made with: another version lays some
# constructs out otherwise (19 and 14 differ on "struct stat info {};").
#   check_format.sh SOURCE-FOLDER
# Skipped (77), saying why, where that version is not installed. The
# sources are found in the folder itself, so that a tarball without .git
# is checked too.
set -u
cd "$1" || exit 2
major=14
formatter=""
for candidate in "clang-format-$major" clang-format; do
  if command -v "$candidate" >/dev/null &&
     "$candidate" --version | grep -q "version $major\."; then
    formatter=$candidate
    break
  fi
done
[ -n "$formatter" ] || { echo "skipped: clang-format $major is not installed (the layout is $major's)"; exit 77; }
files=$(find . -path ./build -prune -o -path './build-*' -prune -o -path ./.git -prune -o \
             \( -name '*.cpp' -o -name '*.h' \) -type f -print | sort)
[ -n "$files" ] || { echo "no sources found in $PWD"; exit 1; }
xargs -r "$formatter" --dry-run --Werror <<<"$files"
