# Shared by run.sh and test.sh: install what is missing, configure, build.
# Sourced with the project folder as the working folder.

set -euo pipefail

# What building and running Quillo needs.
QUILLO_PACKAGES=(
  cmake g++ make pkg-config
  libsqlite3-dev qt6-base-dev fonts-liberation
  # the help: its compiler (chmcmd) and the library the help viewer reads it with
  fp-utils libmspack-dev
  # the bank tool's HTML reader
  libgumbo-dev
  # the desktop: the browser launcher and the caches of file types and entries
  xdg-utils shared-mime-info desktop-file-utils
)
# What the tests add, for test.sh (QUILLO_TESTS=1).
QUILLO_TEST_PACKAGES=(
  libgtest-dev
  # the installable package: dependencies found by dpkg-shlibdeps, checked by lintian and appstreamcli
  dpkg-dev lintian appstream
  # the desktop tests: a private X display, a real window manager, keys and windows driven
  xvfb x11-utils openbox xdotool wmctrl
  # the Wayland placement test: a headless compositor and Qt's Wayland platform
  weston qt6-wayland
  # the screen-reader test: Orca on the session's accessibility bus, speaking into a null device
  orca speech-dispatcher speech-dispatcher-espeak-ng dbus-x11 at-spi2-core
  # the layout check of the sources, and the static checks of .clang-tidy
  clang-format clang-tidy
  # real question pools (the amateur-radio pools, a file a question) for the import tests
  hamexam
)
[ "${QUILLO_TESTS:-0}" = 1 ] && QUILLO_PACKAGES+=("${QUILLO_TEST_PACKAGES[@]}")
BUILD_DIR=${BUILD_DIR:-build}

missing_packages() {
  local pkg
  for pkg in "${QUILLO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

install_missing() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These Debian packages are missing: $(echo $missing)" >&2
      echo "Install them as root, then run this again:" >&2
      echo "  su -c 'apt-get install $(echo $missing)'" >&2
      exit 1
    fi
    sudo="sudo"
  fi
  echo "Installing: $(echo $missing)"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# With targets, builds only those (what run.sh starts); without, everything.
configure_and_build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QUILLO_CMAKE_ARGS:-}
  local targets=()
  local target
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}"
}

install_missing
