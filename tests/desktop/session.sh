# Sourced by the desktop tests: a private X display with a real window
# manager (openbox) in a fresh home, as a person's desktop has them.
#   start_session || exit 77     77: no session could be had, the test is skipped
#   stop_session
# Needs xvfb, x11-utils and openbox; the tests drive windows with xdotool.

start_session() {
  unset QT_QPA_PLATFORM
  session_home=$(mktemp -d /tmp/quillo-desktop-XXXX)
  export HOME="$session_home" XDG_CONFIG_HOME="$session_home/.config" XDG_DATA_HOME="$session_home/.local/share"
  export XDG_RUNTIME_DIR="$session_home/run"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  for tool in Xvfb openbox xdotool xdpyinfo xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; return 1; }
  done
  local attempt
  for attempt in 1 2 3; do
    export DISPLAY=":$((100 + RANDOM % 800))"
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    session_xvfb=$!
    local tries
    for tries in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    if xdpyinfo >/dev/null 2>&1; then
      openbox >/dev/null 2>&1 &
      session_wm=$!
      for tries in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
      done
      kill "$session_wm" 2>/dev/null
    fi
    kill "$session_xvfb" 2>/dev/null
    wait "$session_xvfb" 2>/dev/null
  done
  echo "skipped: no X display with a window manager came up"
  return 1
}

# Orca will not start beside another Orca of the same user, which a person
# who uses one has running, so a test with Orca runs in a process namespace
# of its own, where no other program is seen; where no namespace can be
# had, it runs as it is.
#   run_in_own_processes "$@"     (first thing in the test, with its arguments)
run_in_own_processes() {
  [ -n "${QUILLO_OWN_PROCESSES:-}" ] && return 0
  export QUILLO_OWN_PROCESSES=1
  local user=()
  [ "$(id -u)" = 0 ] || user=(--user --map-current-user)
  unshare "${user[@]}" --pid --fork --mount-proc true 2>/dev/null || return 0
  exec unshare "${user[@]}" --pid --fork --mount-proc bash "$0" "$@"
}

# Orca on the session's own D-Bus and accessibility bus, speaking into a
# null sound device, every phrase logged to $1. Orca can start slowly: a
# start that has not said "Screen reader on." in 30 s is tried once more.
start_screen_reader() {
  local tool
  for tool in orca speech-dispatcher dbus-launch /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; return 1; }
  done
  eval "$(dbus-launch --sh-syntax)"
  session_dbus=$DBUS_SESSION_BUS_PID
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  session_atspi=$!
  printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$HOME/orca"
  printf 'Include "/etc/speech-dispatcher/speechd.conf"\nAudioOutputMethod "alsa"\nDefaultModule espeak-ng\n' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  local attempt tries
  for attempt in 1 2; do
    speech-dispatcher -s -t 60 >/dev/null 2>&1 &
    session_speech=$!
    # Orca started before the server's socket is there tries to start a
    # server of its own, which the first refuses: Orca is then mute.
    for tries in $(seq 50); do
      [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
      sleep 0.1
    done
    orca -u "$HOME/orca" --debug-file "$1" >/dev/null 2>&1 &
    session_orca=$!
    for tries in $(seq 300); do
      grep -q "SPEECH OUTPUT: 'Screen reader on." "$1" 2>/dev/null && return 0
      sleep 0.1
    done
    # A mute Orca may not end on a plain signal until an event comes.
    kill -KILL "$session_orca" "$session_speech" 2>/dev/null
    wait "$session_orca" "$session_speech" 2>/dev/null
  done
  echo "skipped: Orca never spoke"
  return 1
}

# Orca writes its log through a buffer: it is whole only once Orca has
# ended as it ends by itself, on the next event after the signal; a key in
# a window still open gives it one.
stop_screen_reader() {
  kill "$session_orca" 2>/dev/null
  local tries
  for tries in $(seq 100); do
    kill -0 "$session_orca" 2>/dev/null || return 0
    [ $((tries % 20)) = 1 ] && xdotool key shift 2>/dev/null
    sleep 0.1
  done
  kill -9 "$session_orca" 2>/dev/null
}

stop_session() {
  kill "${session_orca:-}" "${session_speech:-}" "${session_atspi:-}" "${session_dbus:-}" 2>/dev/null
  kill "${session_wm:-}" "${session_xvfb:-}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$session_home"
}

# The first visible window whose name matches, waited for up to 20 s.
wait_for_window() {
  local tries found
  for tries in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# "X Y" of the outer frame around window $1 once the window manager has
# framed it and it has stopped moving (5 s at most).
settled_frame_corner() {
  local before after tries
  before=$(frame_corner "$1")
  for tries in $(seq 25); do
    sleep 0.2
    after=$(frame_corner "$1")
    if [ "$after" = "$before" ] && xprop -id "$1" _NET_FRAME_EXTENTS | grep -q =; then break; fi
    before=$after
  done
  echo "$after"
}

# "WIDTH HEIGHT" of the outer frame the window manager drew around window $1.
frame_size() {
  local width height extents
  width=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  height=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //' | tr -d ' ')
  IFS=, read -r left right top bottom <<<"$extents"
  echo "$((width + left + right)) $((height + top + bottom))"
}

# "X Y" of the outer frame the window manager drew around window $1.
frame_corner() {
  local x y extents left top
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  left=$(cut -d, -f1 <<<"$extents" | tr -d ' ')
  top=$(cut -d, -f3 <<<"$extents" | tr -d ' ')
  echo "$((x - left)) $((y - top))"
}
