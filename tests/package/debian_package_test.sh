#!/bin/sh
# Makes the Debian package of a build with cpack, in a temporary folder so
# that the build's own folder is left as it was; checks it with lintian (no
# errors allowed; warnings are shown), checks what it holds and that its
# dependencies were read from the programs, and runs both programs' --version
# from the package unpacked with dpkg -x.
#   sh debian_package_test.sh CPACK CPACK-CONFIG VERSION
set -eu
cpack=$1
config=$2
version=$3

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

for tool in lintian dpkg-deb dpkg-shlibdeps gzip groff; do
  command -v "$tool" >/dev/null ||
    fail "$tool is not installed (sh scripts/install-deps --tests installs it)"
done

umask 022
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

echo "== cpack -G DEB"
"$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/cordavo_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no $(basename "$deb")"; }

echo "== the control fields"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = cordavo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Section)" = sound ] || fail "Section: $(field Section)"
field Maintainer | grep -q '^[^<>]* <[^<>@ ]*@[^<>@ ]*>$' || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
echo "Depends: $depends"
# Read from the programs by dpkg-shlibdeps: the C library and each Qt library
# that they link.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 libjpeg62-turbo zlib1g; do
  printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$library (>= " || fail "Depends lacks $library"
done

echo "== the files"
dpkg-deb --contents "$deb" | awk '{ print $1, $6 }' >"$work/contents"
for entry in \
  "-rwxr-xr-x ./usr/bin/cordavo" \
  "-rwxr-xr-x ./usr/bin/cordavo-cli" \
  "-rw-r--r-- ./usr/share/applications/cordavo.desktop" \
  "-rw-r--r-- ./usr/share/mime/packages/cordavo.xml" \
  "-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/cordavo.png" \
  "-rw-r--r-- ./usr/share/man/man1/cordavo.1.gz" \
  "-rw-r--r-- ./usr/share/man/man1/cordavo-cli.1.gz" \
  "-rw-r--r-- ./usr/share/doc/cordavo/copyright" \
  "-rw-r--r-- ./usr/share/doc/cordavo/changelog.gz"; do
  grep -qxF -e "$entry" "$work/contents" || { cat "$work/contents"; fail "not in the package: $entry"; }
done
# Nothing outside /usr, no uncompressed manual page left beside its .gz.
if grep -v ' \./usr/' "$work/contents" | grep -v ' \./$'; then fail "files outside /usr"; fi
if grep -q '/man/.*\.[1-9]$' "$work/contents"; then fail "an uncompressed manual page"; fi

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian found errors"; }
grep -v 'running with root privileges' "$work/lintian.log" || echo "(no tags)"

echo "== unpacked with dpkg -x"
dpkg -x "$deb" "$work/root"
for manual in cordavo cordavo-cli; do
  gzip -dc "$work/root/usr/share/man/man1/$manual.1.gz" >"$work/$manual.1"
  warnings=$(groff -man -ww -z "$work/$manual.1" 2>&1) && [ -z "$warnings" ] ||
    fail "groff on $manual.1: $warnings"
done
gzip -dc "$work/root/usr/share/doc/cordavo/changelog.gz" | head -n 1 | grep -qxF "cordavo ($version) unstable; urgency=medium" ||
  fail "changelog: $(gzip -dc "$work/root/usr/share/doc/cordavo/changelog.gz" | head -n 1)"
cli_version=$("$work/root/usr/bin/cordavo-cli" --version) || fail "cordavo-cli --version exited with $?"
[ "$cli_version" = "cordavo-cli $version" ] || fail "cordavo-cli --version printed \"$cli_version\""
echo "$cli_version"
window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/cordavo" --version) ||
  fail "cordavo --version exited with $?"
[ "$window_version" = "cordavo $version" ] || fail "cordavo --version printed \"$window_version\""
echo "$window_version"
echo "The package $(basename "$deb") passed."
