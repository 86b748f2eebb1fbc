#!/usr/bin/env bash
# How long quillo takes to put its window on the screen on a bank, against a
# bare Qt window and one plain sqlite3 pass over the bank's first book, all
# measured in one run on a private X display with a window manager:
#   bench/window-up.sh BANK.db [REPS]      (from the project folder, after a build)
# A window is up when the window manager takes it on.
set -u
bank=$(realpath "$1")
reps=${2:-7}
build=$(realpath "${BUILD_DIR:-build}")
for program in app/quillo bench/bare-window bench/quillo-bench; do
  [ -x "$build/$program" ] || { echo "$build/$program is missing: build first" >&2; exit 1; }
done
source "$(dirname "$0")/../tests/desktop/session.sh"
start_session || exit 1
trap stop_session EXIT
# A desktop has a session bus; without one, Qt would start one for each
# program, and that start would be timed.
eval "$(dbus-launch --sh-syntax)"
session_dbus=$DBUS_SESSION_BUS_PID
folder=$(mktemp -d /tmp/quillo-window-up-XXXX)
cp "$bank" "$folder/"
cd "$folder" || exit 1

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# A first start registers the build's desktop entry; it is not measured. It
# gives the size of quillo's window, once settled, for the bare window's.
"$build/app/quillo" >/dev/null 2>&1 &
first=$!
window=$(wait_for_window "Norvane") || { echo "quillo put up no window in 20 s" >&2; exit 1; }
sleep 1
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ {sub("x", " ", $2); print $2}')
kill "$first"
wait "$first" 2>/dev/null

# Milliseconds from start until the window manager takes the program's
# window on, when it adds it to _NET_CLIENT_LIST. xprop reports each change
# of the list as it happens, so nothing polls for the window and takes the
# processor from the program measured. A window not up in 20 s ends the run.
spy=$folder/client-list
mkfifo "$spy"
xprop -root -spy _NET_CLIENT_LIST >"$spy" &
spy_pid=$!
trap 'kill "$spy_pid"; rm -rf "$folder"; stop_session' EXIT
exec 3<"$spy"
read -r -t 5 -u 3 _
window_up() {
  local start=${EPOCHREALTIME/./}
  "$@" >/dev/null 2>&1 &
  local pid=$!
  if ! read -r -t 20 -u 3 _; then
    echo "$* put up no window in 20 s" >&2
    kill "$pid"
    exit 1
  fi
  echo $(((${EPOCHREALTIME/./} - start) / 1000))
  kill "$pid"
  wait "$pid" 2>/dev/null
  # The list without the window again.
  read -r -t 5 -u 3 _
}

# The machine's speed drifts; the three are measured in turn, so that each
# median is taken over the same stretch of time.
plain_pass() {
  "$build/bench/quillo-bench" "$bank" --cases startup --reps 3 | awk '/^case startup/ {
    split($4, ms, "="); split($5, ratio, "="); printf "%.0f", ms[2] / ratio[2] }'
}
bare=()
quillo=()
passes=()
for _ in $(seq "$reps"); do
  ms=$(window_up "$build/bench/bare-window" $size) || exit 1
  bare+=("$ms")
  ms=$(window_up "$build/app/quillo") || exit 1
  quillo+=("$ms")
  passes+=("$(plain_pass)")
done
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
quillo_ms=$(printf '%s\n' "${quillo[@]}" | median)
pass=$(printf '%s\n' "${passes[@]}" | median)
echo "bare window ($size): ${bare[*]} ms (median $bare_ms)"
echo "quillo:      ${quillo[*]} ms (median $quillo_ms)"
echo "plain pass:  ${passes[*]} ms (median $pass)"
awk -v q="$quillo_ms" -v b="$bare_ms" -v p="$pass" 'BEGIN {
  printf "window up: %.2f x (bare window + plain pass)\n", q / (b + p) }'
