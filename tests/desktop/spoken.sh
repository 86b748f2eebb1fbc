# Sourced, after session.sh, by the tests taken with Orca: the program
# started in a session with Orca, keys pressed as a person presses them,
# each step with the words Orca must speak for it, and the check of its log
# once Orca has ended.
#   start_program_with_orca        (exits 77 when no session or Orca)
#   step "what" "/pattern/" KEY...  (as many as the test takes)
#   finish_with_orca               (fails, saying what was heard instead)
steps=()
patterns=()
marks=()

# Presses keys as a person does, Alt or Ctrl held around its letter (sent
# at once, Orca lets the toolkit see a lone Alt, which opens the menu bar),
# and gives Orca time to speak; what it says then must match the pattern.
step() {
  steps+=("$1")
  patterns+=("$2")
  marks+=("$(date +%T.%6N)")
  shift 2
  local key
  for key in "$@"; do
    case "$key" in
      alt+* | ctrl+*) xdotool keydown "${key%%+*}"; sleep 0.2; xdotool key "${key#*+}"; sleep 0.2
                      xdotool keyup "${key%%+*}" ;;
      *) xdotool key "$key" ;;
    esac
    sleep 0.3
  done
  sleep 2.5
}

start_program_with_orca() {
  start_session || exit 77
  trap stop_session EXIT
  log="$session_home/orca.log"
  start_screen_reader "$log" || exit 77
  "$program" >/dev/null 2>&1 &
  pid=$!
  wait_for_window "Norvane Examiner" >/dev/null || { echo "no window"; kill "$pid"; exit 1; }
  sleep 4
}

finish_with_orca() {
  marks+=("99")
  stop_screen_reader
  kill "$pid"
  wait "$pid" 2>/dev/null
  check_steps "$log"
}

# The phrases Orca spoke from $2 up to $3 in log $1, one a line. A phrase
# that ends in a line break (Orca 48 speaks a heading's whole line) runs
# over lines of the log up to its closing quote; it is joined into one.
# Orca 48 speaks a notification's role and its text as two phrases, Orca
# 43 as one: a lone "notification" is joined to the phrase after it.
spoken_between() {
  awk -v closing="' *[{]" '/^[0-9:.]+ - SPEECH OUTPUT: / { phrase = $0; sub(/^ +/, "", phrase) }
       phrase != "" && phrase != $0 { line = $0; sub(/^ +/, "", line); phrase = phrase " " line }
       phrase ~ closing { print phrase; phrase = "" }' "$1" |
    sed -n "s/^\([0-9:.]*\) - SPEECH OUTPUT: '\(.*\)' *{.*/\1 \2/p" |
    awk -v from="$2" -v to="$3" '$1 >= from && $1 < to { sub(/^[^ ]* /, ""); print }' |
    awk '$0 == "notification" { held = 1; next } held { print "notification " $0; held = 0; next } { print }
         END { if (held) print "notification" }'
}

# Fails, saying what Orca said instead, for each step it did not speak.
check_steps() {
  local failed=0 i said
  for i in "${!steps[@]}"; do
    said=$(spoken_between "$1" "${marks[$i]}" "${marks[$((i + 1))]}")
    if ! grep -Eq "${patterns[$i]}" <<<"$said"; then
      failed=1
      echo "${steps[$i]}: Orca did not say /${patterns[$i]}/; it said:"
      sed 's/^/  /' <<<"$said"
    fi
  done
  if [ "$failed" = 1 ]; then
    cp "$1" "${TMPDIR:-/tmp}/quillo-orca-failed.log" && echo "Orca's log: ${TMPDIR:-/tmp}/quillo-orca-failed.log"
  fi
  return "$failed"
}
