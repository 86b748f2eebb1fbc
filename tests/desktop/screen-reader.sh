#!/usr/bin/env bash
# A test taken with the Orca screen reader, keys only, as a blind user takes
# it; what Orca speaks is read from its debug log. Choosing an answer says
# its text, a commit says the result and the score, the next question is
# read out, Shift+Tab moves back from a radio, Setup's lists say their
# caption and value, and a value changed with the arrows is said.
#   screen-reader.sh QUILLO SAMPLE-FOLDER
# Skipped (77), never passed, when no session or no speaking Orca can be had.
set -u
program="$1"
cd "$2" || exit 1
source "$(dirname "$0")/session.sh"
start_session || exit 77
trap stop_session EXIT
log="$session_home/orca.log"
start_screen_reader "$log" || exit 77

steps=()
patterns=()
marks=()
# Presses keys as a person does, Alt held around its letter (sent at once,
# Orca lets the toolkit see a lone Alt, which opens the menu bar), and
# gives Orca time to speak; what it says then must match the pattern.
step() {
  steps+=("$1")
  patterns+=("$2")
  marks+=("$(date +%T.%6N)")
  shift 2
  for key in "$@"; do
    case "$key" in
      alt+*) xdotool keydown alt; sleep 0.2; xdotool key "${key#alt+}"; sleep 0.2; xdotool keyup alt ;;
      *) xdotool key "$key" ;;
    esac
    sleep 0.3
  done
  sleep 2.5
}

"$program" >/dev/null 2>&1 &
pid=$!
wait_for_window "Norvane Examiner" >/dev/null || { echo "no window"; kill "$pid"; exit 1; }
sleep 4
step "choosing an answer" "^Answer B\. .+" alt+b
step "committing it" "^notification (Correct|Incorrect)\..* Score: [0-9]+%" Return
step "the next question" "^notification Question 2 of [0-9]+: .+" alt+n
step "Shift+Tab from a checked radio" "push button" alt+c shift+Tab
step "Setup's first list" "^Select questions from: .+ combo box" shift+Tab Return
step "another book in it" "^notification .+" Down
xdotool key Escape
marks+=("99")
stop_screen_reader
kill "$pid"
wait "$pid" 2>/dev/null

# The phrases Orca spoke from $1 up to $2, one a line.
spoken_between() {
  sed -n "s/^\([0-9:.]*\) - SPEECH OUTPUT: '\(.*\)' *{.*/\1 \2/p" "$log" |
    awk -v from="$1" -v to="$2" '$1 >= from && $1 < to { sub(/^[^ ]* /, ""); print }'
}
failed=0
for i in "${!steps[@]}"; do
  said=$(spoken_between "${marks[$i]}" "${marks[$((i + 1))]}")
  if ! grep -Eq "${patterns[$i]}" <<<"$said"; then
    failed=1
    echo "${steps[$i]}: Orca did not say /${patterns[$i]}/; it said:"
    sed 's/^/  /' <<<"$said"
  fi
done
exit "$failed"
