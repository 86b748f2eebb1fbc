#!/usr/bin/env bash
# A test taken with the Orca screen reader, keys only, as a blind user takes
# it; what Orca speaks is read from its debug log. Choosing an answer says
# its text, a commit says the result and the score, Explanation reads the
# bank's explanation whole, the next question is read out, Shift+Tab moves
# back from a radio, Setup's lists say their caption and value, and a
# value changed with the arrows is said.
#   screen-reader.sh QUILLO SAMPLE-FOLDER
# Skipped (77), never passed, when no session or no speaking Orca can be had.
set -u
program="$1"
cd "$2" || exit 1
source "$(dirname "$0")/session.sh"
run_in_own_processes "$@"
source "$(dirname "$0")/spoken.sh"
start_program_with_orca
step "choosing an answer" "^Answer B\. .+" alt+b
step "committing it" "^notification (Correct|Incorrect)\..* Score: [0-9]+%" Return
step "its explanation, whole" "^notification Question [^ ]+\. Correct answer: [A-D], .+\. .+" ctrl+l
step "back on the form" "Norvane Examiner" Escape
step "the next question" "^notification Question 2 of [0-9]+: .+" alt+n
step "Shift+Tab from a checked radio" "^Display (push )?button" alt+c shift+Tab
step "Setup's first list" "^Select questions from: .+ combo box" shift+Tab Return
step "another book in it" "^notification .+" Down
xdotool key Escape
finish_with_orca
