#!/usr/bin/env bash
# Runs a command as a client of a headless weston compositor of its own, on
# Qt's Wayland platform: what Qt draws and weston decides there (the frame
# Qt draws itself, positions weston keeps to itself) shows nowhere else.
#   wayland.sh COMMAND [ARGUMENTS...]
# Exits 77 (skipped) when weston or Qt's Wayland platform is missing.
set -u
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
plugins=$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null)
[ -n "$plugins" ] || { echo "Qt's Wayland platform (qt6-wayland) is not installed"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --socket=quillo \
  --width=1366 --height=768 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/quillo" ] && break
  kill -0 "$weston" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/quillo" ]; then
  echo "weston did not start:"
  cat "$runtime/weston.log"
  exit 77
fi
# A socket named by its path reaches the client whatever runtime folder
# the client makes for itself.
WAYLAND_DISPLAY=$runtime/quillo QT_QPA_PLATFORM=wayland "$@"
