#!/usr/bin/env bash
# Progress and a practice exam taken with the Orca screen reader, keys only:
# the progress table is read with its figures, the exam dialog with its
# values, the exam's start, an answer and the answer heard again on coming
# back to its question, the time left on request, Finish's
# question, the result, and Retry These.
#   exam-with-orca.sh QUILLO SAMPLE-FOLDER
# Skipped (77), never passed, when no session or no speaking Orca can be had.
set -u
program="$1"
cd "$2" || exit 1
source "$(dirname "$0")/session.sh"
run_in_own_processes "$@"
source "$(dirname "$0")/spoken.sh"
start_program_with_orca
step "Progress" "^[0-9]+ questions" ctrl+g
step "a section's row" "^[0-9]+ never answered" Down
step "weakest first" "(^|check box )checked\.?$" alt+w
xdotool key Escape
sleep 1
step "the exam dialog" "^Number of questions: ([0-9]+ spin button|spin button [0-9]+)" ctrl+e
step "the exam starts" "^notification Practice exam: [0-9]+ questions, [0-9]+ minutes\. Question 1 of [0-9]+: .+" Return
step "an answer" "^Answer B\. .+" alt+b
step "back to the answered question" "^notification Question 1 of [0-9]+: .+ Your answer: B\.$" alt+n alt+p
step "the time left" "^notification [0-9]+ minutes [0-9]+ seconds left\. 1 of [0-9]+ answered\." ctrl+t
step "Finish asks" "^Finish the practice exam\? [0-9]+ of [0-9]+ questions are not answered" ctrl+f
step "the result" "^(Passed|Not passed): [0-9]+ of [0-9]+ correct, [0-9]+%\. Pass mark [0-9]+%\." alt+y
step "reading it" "^By section" Down
step "Retry These" "^notification Question 1 of [0-9]+: .+" alt+r
finish_with_orca
