#!/usr/bin/env bash
# Checks an installed tree of the program as a desktop and a user meet it:
# the programs in bin/ run from there on the sample library installed with
# them, and the desktop entry, the metadata, the icons and the manual pages
# are where the desktop looks and pass the validators.
# Usage: scripts/check-installed.sh PREFIX VERSION
set -euo pipefail
prefix=$1
version=$2
failures=0
fail() {
    echo "check-installed: $*" >&2
    failures=$((failures + 1))
}

share=$prefix/share
desktop-file-validate "$share/applications/vivira.desktop" || fail "the desktop entry does not validate"
grep -qx 'Name=Vivira redir' "$share/applications/vivira.desktop" || fail "the desktop entry's name"
appstreamcli validate --no-net --pedantic "$share/metainfo/hu.cantorix.vivira.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata does not validate"
grep -q "<release version=\"$version\"" "$share/metainfo/hu.cantorix.vivira.metainfo.xml" ||
    fail "the metadata's release is not $version"
[[ -f $share/icons/hicolor/scalable/apps/vivira.svg ]] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/vivira.png
    # The width and the height stand in the PNG header, big-endian, from byte 16.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ "$width $height" == "$size $size" ]] || fail "$png is ${width}x$height"
done
for page in vivira songbook; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "the manual page of $page: $warnings"
done

# A user with no songs of their own: the installed samples are read.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/.local/share VIVIRA_SETTINGS_FILE=$home/settings.reg
[[ $("$prefix/bin/vivira" --version) == "Vivira redir $version" ]] || fail "vivira --version"
[[ $("$prefix/bin/songbook" --version) == "songbook (Vivira redir) $version" ]] || fail "songbook --version"
samples=$(find "$share/vivira/Data" -name '*.txt' | wc -l)
dumped=$("$prefix/bin/songbook" dump | grep -cF "{\"file\":\"$share/vivira/Data/" || true)
[[ $samples -gt 0 && $dumped -eq $samples ]] || fail "songbook dump read $dumped of the $samples sample files"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vivira" --help | grep -q "share/vivira/Data" || fail "vivira --help"

if [[ $failures -gt 0 ]]; then
    echo "check-installed: $failures failed" >&2
    exit 1
fi
echo "check-installed: $prefix holds Vivira redir $version as it should"
