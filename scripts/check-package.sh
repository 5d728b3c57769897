#!/usr/bin/env bash
# Checks the Debian package as a user gets it: its name, its version (the
# project's, which the programs and the metadata must tell too), its
# dependencies (found by dpkg-shlibdeps, and all to be had on this machine),
# and the tree it installs, unpacked into a fresh folder.
# Usage: scripts/check-package.sh FILE.deb
set -euo pipefail
deb=$1
version=$(dpkg-deb --field "$deb" Version)
fail() {
    echo "check-package: $*" >&2
    exit 1
}
[[ $(basename "$deb") == "vivira_${version}_amd64.deb" ]] || fail "$deb is not named vivira_${version}_amd64.deb"
[[ $(dpkg-deb --field "$deb" Package) == vivira ]] || fail "the package is not named vivira"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    grep -q "\b$library\b" <<<"$depends" || fail "no dependency on $library: $depends"
done
dpkg --dry-run --install "$deb" >/dev/null || fail "dpkg would not install it here"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
"$(dirname "$0")/check-installed.sh" "$root/usr" "$version"
echo "check-package: $deb (depends: $depends)"
