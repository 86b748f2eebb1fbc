#!/bin/bash
# Runs one fuzz target for a while and keeps what it finds in the target's
# corpus. For the help reader, libmspack is first fetched as Debian's
# source package of the installed version and built with the sanitizers,
# so that the fuzzer sees into the decompressor.
#   scripts/fuzz.sh [help|pool|bank|record] [SECONDS]   (default: help 600)
set -euo pipefail
cd "$(dirname "$0")/.."

TARGET=${1:-help}
SECONDS_TO_RUN=${2:-600}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
case $TARGET in
  help) BINARY=help_read_mspack_fuzz CORPUS=help-corpus OPTIONS=(-rss_limit_mb=1024 -timeout=10) ;;
  pool) BINARY=pool_read_fuzz CORPUS=pool-corpus OPTIONS=() ;;
  bank) BINARY=bank_open_fuzz CORPUS=bank-corpus OPTIONS=() ;;
  record) BINARY=record_load_fuzz CORPUS=corpus OPTIONS=() ;;
  *) echo "usage: $0 [help|pool|bank|record] [SECONDS]" >&2; exit 2 ;;
esac

need=()
command -v clang++ >/dev/null || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'ok installed' || need+=(libclang-rt-14-dev)
command -v dpkg-source >/dev/null || need+=(dpkg-dev)
if [ ${#need[@]} -gt 0 ]; then
  [ "$(id -u)" = 0 ] || { echo "fuzz.sh: install ${need[*]} first (as root)" >&2; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi

# Debian's source of the libmspack installed, fetched with apt's own
# state kept in the build folder: the system's sources stay as they are.
fetch_libmspack() {
  local apt=$PWD/$BUILD/apt version
  version=$(dpkg-query -W -f='${Version}' libmspack0)
  [ -d "$BUILD/libmspack-$version/mspack" ] && { echo "$PWD/$BUILD/libmspack-$version"; return; }
  mkdir -p "$apt/lists/partial" "$apt/parts" "$apt/cache"
  local suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$suite" >"$apt/parts/source.sources"
  local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/parts"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update >&2
  (cd "$BUILD" && apt-get "${options[@]}" source --download-only "libmspack=$version" >&2 &&
     dpkg-source -x libmspack_"${version#*:}".dsc "libmspack-$version" >&2)
  # The one fault of the library's that no header field explains (see
  # docs/libmspack-report.md) is mended in this copy, so that the fuzzer
  # goes on past it to faults not yet known.
  local lzxd=$BUILD/libmspack-$version/mspack/lzxd.c
  sed -i 's/lzx->intel_filesize = (i << 16) | j;/lzx->intel_filesize = (int) (((unsigned int) i << 16) | (unsigned int) j);/' "$lzxd"
  grep -q 'unsigned int) i << 16' "$lzxd" || { echo "fuzz.sh: lzxd.c is not the one expected" >&2; exit 1; }
  # config.h as the package's build makes it: without it the library
  # takes off_t for 32 bits and refuses what Debian's copy reads.
  (cd "$BUILD/libmspack-$version" && CC=clang ./configure >/dev/null)
  echo "$PWD/$BUILD/libmspack-$version"
}

mkdir -p "$BUILD"
MSPACK=()
[ "$TARGET" = help ] && MSPACK=(-DQUILLO_MSPACK_SOURCE="$(fetch_libmspack)")
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DQUILLO_FUZZ=ON -DQUILLO_BENCH=OFF "${MSPACK[@]}" >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target "$BINARY"

# New inputs go to a scratch folder first, then only those that add
# coverage are merged into the corpus kept in the repository.
found=$BUILD/found-$TARGET
mkdir -p "$found"
"$BUILD/tests/fuzz/$BINARY" "${OPTIONS[@]}" -artifact_prefix="$BUILD/" -max_total_time="$SECONDS_TO_RUN" -print_final_stats=1 \
  "$found" "tests/fuzz/$CORPUS"
"$BUILD/tests/fuzz/$BINARY" "${OPTIONS[@]}" -merge=1 "tests/fuzz/$CORPUS" "$found"
