#!/usr/bin/env bash
# Each layer includes only itself and the layers below it:
#   afx < bank < exam < form, tools < app;  nvkit, diagview, helpview on afx.
# The stand-ins without windows (afx/*) include nothing of afx/ui.
#   check_layers.sh SOURCE-FOLDER
set -u
cd "$1" || exit 2
allowed() {
  case "$1" in
    afx) echo "afx" ;;
    bank) echo "afx bank" ;;
    nvkit | diagview | helpview) echo "afx $1" ;;
    exam) echo "afx bank exam" ;;
    form | tools) echo "afx bank exam $1" ;;
    app) echo "afx bank exam form nvkit app" ;;
  esac
}
failed=0
for layer in afx bank nvkit diagview helpview exam form tools app; do
  while IFS= read -r line; do
    target=$(sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p' <<<"$line")
    [ -d "$target" ] || continue
    if ! grep -qw "$target" <<<"$(allowed "$layer")"; then
      echo "$line: $layer may not include $target"
      failed=1
    fi
  done < <(grep -rn --include='*.cpp' --include='*.h' '^#include "[a-z]*/' "$layer")
done
while IFS= read -r line; do
  echo "$line: the stand-ins without windows may not include afx/ui"
  failed=1
done < <(grep -n '^#include "afx/ui/\|^#include "ui/' afx/*.cpp afx/*.h)
exit "$failed"
