#!/usr/bin/env bash
# The Debian package as cpack makes it: what it installs, what it depends
# on, that lintian finds nothing wrong with it, and that what it installs
# works without the build folder. The package is left in the build folder,
# for installing.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$build" > "$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build"/quillo_*.deb)
failed=0
fail() { echo "$*"; failed=1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/quillo usr/bin/diagview usr/bin/quillo-help usr/bin/quillo-bank usr/bin/quillo-record \
            usr/lib/x86_64-linux-gnu/quillo/libnvkit.so.1 usr/share/quillo/sample.db usr/share/quillo/quillo.chm \
            usr/share/applications/quillo.desktop usr/share/mime/packages/quillo.xml \
            usr/share/metainfo/com.norvane.quillo.metainfo.xml \
            usr/share/man/man1/quillo.1.gz usr/share/man/man1/diagview.1.gz usr/share/man/man1/quillo-help.1.gz \
            usr/share/man/man1/quillo-bank.1.gz usr/share/man/man1/quillo-record.1.gz \
            usr/share/doc/quillo/copyright usr/share/doc/quillo/changelog.gz \
            usr/share/icons/hicolor/scalable/apps/quillo.svg \
            usr/share/icons/hicolor/48x48/apps/quillo.png usr/share/icons/hicolor/256x256/apps/quillo.png; do
  grep -qx "./$file" <<<"$contents" || fail "the package lacks /$file"
done
built=$(ls "$build/examiner/diagrams" | grep -c .)
shipped=$(grep -c '^./usr/share/quillo/diagrams/.' <<<"$contents" || true)
[ "$built" -eq "$shipped" ] || fail "the package has $shipped of the $built diagrams"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsqlite3-0 libmspack0 libgumbo libc6; do
  grep -q "$library" <<<"$depends" || fail "Depends does not name $library: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for program in "$root"/usr/bin/*; do
  if readelf -d "$program" | grep -E 'RPATH|RUNPATH' | grep -v '\[/usr/lib/x86_64-linux-gnu/quillo\]$'; then
    fail "$program keeps a search path other than the package's own library folder"
  fi
done
lintian --fail-on error,warning --suppress-tags-from-file /dev/null "$deb" > "$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian finds errors or warnings"; }
desktop-file-validate "$root/usr/share/applications/quillo.desktop" || fail "the menu entry is not valid"
# From the menu Quillo opens the bank last used, the sample only at first:
# a fixed folder holding the sample would always win.
! grep -q '^Path=' "$root/usr/share/applications/quillo.desktop" || fail "the menu entry starts in a fixed folder"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/com.norvane.quillo.metainfo.xml" > "$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "the AppStream metadata does not validate"; }
"$root/usr/bin/quillo-bank" check "$root/usr/share/quillo/sample.db" > "$work/check.log" || { cat "$work/check.log"; fail "the installed sample bank does not pass quillo-bank check"; }
exit $failed
