# Sourced by test.sh after the build: the checks of .clang-tidy on every
# source file of the project, when clang-tidy is installed (test.sh installs
# it). On two cores this takes about seven minutes.
#
# The checks were chosen, and the code made clean of them, with clang-tidy
# 14, Debian 12's. A later one adds new checks under the same globs
# (bugprone-*, performance-*) and new findings under old names, so that the
# same tree fails on Debian 13 for what no one chose to check: there it is
# not run.
tidy_checked_with=14

tidy_tree() {
  local tidy version
  tidy=$(command -v clang-tidy || true)
  [ -n "$tidy" ] && [ -f "$BUILD_DIR/compile_commands.json" ] || return 0
  version=$("$tidy" --version | sed -n 's/.*version \([0-9]*\).*/\1/p' | head -n 1)
  if [ "$version" != "$tidy_checked_with" ]; then
    echo "clang-tidy $version: not run; .clang-tidy's checks are chosen for clang-tidy $tidy_checked_with"
    return 0
  fi
  local project build files
  project=$(realpath .)
  build=$(realpath "$BUILD_DIR")
  # CMake names each file by its absolute path; generated sources in the
  # build folder are not the project's to check.
  files=$(sed -n 's/^ *"file": "\(.*\)",\?$/\1/p' "$BUILD_DIR/compile_commands.json" |
    grep "^$project/" | grep -v "^$build/" | sort -u)
  [ -z "$files" ] && return 0
  echo "clang-tidy: $(echo "$files" | wc -l) files"
  # Its count of the warnings it kept out of system headers is not news.
  echo "$files" | xargs -P "$(nproc)" -n 4 "$tidy" -p "$BUILD_DIR" --quiet 2>&1 |
    { grep -v ' warnings\? generated\.$' || true; }
}
