# Sourced by test.sh after the build: the checks of .clang-tidy on every
# source file changed and not yet committed, when clang-tidy is installed.
# A clean clone has none, so the suite's time does not grow with the tree.

tidy_changed() {
  local tidy
  tidy=$(command -v clang-tidy || true)
  [ -n "$tidy" ] && [ -f "$BUILD_DIR/compile_commands.json" ] || return 0
  local files=()
  local file
  while IFS= read -r file; do
    [ -f "$file" ] && files+=("$file")
  done < <({ git diff --name-only HEAD -- '*.cpp'; git ls-files --others --exclude-standard -- '*.cpp'; } 2>/dev/null | sort -u)
  [ "${#files[@]}" -eq 0 ] && return 0
  echo "clang-tidy: ${#files[@]} changed file(s)"
  # Its count of the warnings it kept out of system headers is not news.
  printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 "$tidy" -p "$BUILD_DIR" --quiet 2>&1 |
    { grep -v ' warnings\? generated\.$' || true; }
}
