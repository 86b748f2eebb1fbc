#!/usr/bin/env bash
# Runs the whole suite (./test.sh) on a fresh clone of this commit in a
# clean root of a Debian release, as a new user's machine of that release
# would build and test it:
#   scripts/in-release.sh trixie     (or bookworm)
# The release's base root is made once with debootstrap under
# $QUILLO_ROOTS (/var/tmp/quillo-roots) and copied fresh for every run;
# downloaded packages are kept beside it. The run has its own process and
# mount namespaces: the host's programs (another Orca) are not seen, and
# every mount goes with the namespace, on any way out. The release's .deb is
# left in build/release-RELEASE/. Exits 0, saying so loudly, when the Debian
# mirror cannot be reached; otherwise with the suite's status.
set -euo pipefail
release="${1:?usage: in-release.sh RELEASE}"
project="$(cd "$(dirname "$0")/.." && pwd)"
roots="${QUILLO_ROOTS:-/var/tmp/quillo-roots}"
mirror="${QUILLO_MIRROR:-http://deb.debian.org/debian}"
base="$roots/$release.base"
run="$roots/$release.run"
cache="$roots/$release.apt-cache"
commit=$(git -C "$project" rev-parse HEAD)

unreachable() {
  echo "=================================================================="
  echo "SKIPPED: the Debian $release check: $1"
  echo "=================================================================="
  exit 0
}

[ "$(id -u)" = 0 ] || { echo "in-release.sh needs root (debootstrap, chroot)"; exit 2; }
# The suite installs its packages in the root from the mirror, too.
mirror_host=${mirror#*://}
mirror_host=${mirror_host%%/*}
timeout 20 bash -c "exec 3<>/dev/tcp/$mirror_host/80" 2>/dev/null ||
  unreachable "the mirror $mirror cannot be reached"
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null ||
  unreachable "debootstrap is not installed and cannot be"
mkdir -p "$roots" "$cache"
if [ ! -e "$base/.complete" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase --include=git,ca-certificates "$release" "$base" "$mirror" \
    > "$roots/$release.debootstrap.log" 2>&1 ||
    { tail -5 "$roots/$release.debootstrap.log"; rm -rf "$base"; unreachable "the mirror $mirror cannot be reached"; }
  touch "$base/.complete"
fi
rm -rf "$run"
cp -a "$base" "$run"
cp /etc/resolv.conf "$run/etc/resolv.conf"
# The project as a fresh clone of this commit, the shared test data beside it.
mkdir -p "$run/quillo"
git clone -q --no-hardlinks "$project" "$run/quillo/main"
git -C "$run/quillo/main" checkout -q "$commit"
[ -d "$project/../shared" ] && mkdir -p "$run/quillo/shared"

# Inside the namespaces: the root's own /dev, /sys, /tmp and package
# cache, and the shared data read-only; then the suite, as root, as CI is.
status=0
run="$run" cache="$cache" shared="$project/../shared" \
  unshare --mount --pid --fork --mount-proc="$run/proc" bash -c '
    set -e
    mount --rbind /dev "$run/dev"
    mount -t sysfs sysfs "$run/sys"
    mount -t tmpfs tmpfs "$run/tmp"
    mount --bind "$cache" "$run/var/cache/apt/archives"
    if [ -d "$shared" ]; then mount --bind -o ro "$shared" "$run/quillo/shared"; fi
    exec chroot "$run" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 CI=true \
      bash -c "cd /quillo/main && ./test.sh"' || status=$?
mkdir -p "$project/build/release-$release"
cp "$run"/quillo/main/build/quillo_*.deb "$project/build/release-$release/" 2>/dev/null || true
echo "Debian $release: ./test.sh exited $status"
exit $status
