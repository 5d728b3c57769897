#!/usr/bin/env bash
# Installs the Debian packages needed to build, run, test and benchmark the
# project. Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config   # the build
    libgtest-dev                       # unit tests
    libbenchmark-dev                   # bench/
    clang libclang-rt-14-dev           # fuzz/ (libFuzzer) and sanitizer runtimes
    clang-format                       # CI checks the layout of every C++ file
    pandoc unrtf                       # independent RTF readers for the tests
    poppler-utils                      # pdftotext reads back where printed words landed
    qt6-base-dev                       # the program's windows (Qt 6 Widgets, Print Support, Test)
    qt6-translations-l10n              # Qt's own dialogs in Hungarian
    fonts-liberation2                  # metric twins of "Courier New" and "Times New Roman"
    xvfb xauth x11-utils               # the tests of what only a real X server shows (xvfb-run, xprop)
    g++-mingw-w64-x86-64-posix         # the Windows build (cmake --preset mingw)
    googletest                         # GoogleTest's sources, built for Windows with it
    wine64                             # runs the Windows tests and songbook.exe
    dpkg-dev                           # the Debian package's dependencies (dpkg-shlibdeps)
    desktop-file-utils appstream       # the desktop entry and the metadata are validated
    man-db                             # the manual pages are checked (man --warnings)
    librsvg2-bin                       # packaging/icons/render.sh draws the icon's sizes
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
