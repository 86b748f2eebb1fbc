#!/usr/bin/env bash
# Every command id is the program's own: two commands with one id would
# route to one handler. The recent-files entries take the sixteen ids from
# ID_FILE_MRU_FILE1 on, so no other command may sit there.
#   check_command_ids.sh SOURCE-FOLDER
set -u
cd "$1" || exit 1
ids=$(grep -hoE 'constexpr int ID_[A-Z0-9_]+ = [0-9]+' form/FormIds.h afx/ui/CommandIds.h |
  awk '{print $5, $3}')
failed=0
repeated=$(awk '{print $1}' <<<"$ids" | sort -n | uniq -d)
for value in $repeated; do
  echo "id $value is used by: $(awk -v v="$value" '$1 == v {print $2}' <<<"$ids" | tr '\n' ' ')"
  failed=1
done
first_recent=$(awk '$2 == "ID_FILE_MRU_FILE1" {print $1}' <<<"$ids")
while read -r value name; do
  if [ "$name" != ID_FILE_MRU_FILE1 ] && [ "$value" -ge "$first_recent" ] && [ "$value" -lt $((first_recent + 16)) ]; then
    echo "$name ($value) is among the recent files' ids"
    failed=1
  fi
done <<<"$ids"
[ "$(wc -l <<<"$ids")" -gt 20 ] || { echo "the ids were not found"; failed=1; }
exit $failed
