#!/usr/bin/env bash
# Runs a Windows program under Wine, headless, in a Wine prefix of its own
# (never the user's ~/.wine): $VIVIRA_WINEPREFIX, else wineprefix/ in the
# current build folder. The first run creates the prefix; runs that start
# together wait for it.
set -euo pipefail

prefix=${VIVIRA_WINEPREFIX:-$PWD/wineprefix}
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[[ -x $wine ]] || { echo "wine-run.sh: wine64 is not installed (scripts/install-deps.sh)" >&2; exit 127; }

export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer prompts, no display needed.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [[ ! -f $prefix/.created ]]; then
        "$wine" wineboot --init >/dev/null 2>&1 9>&- # its server must not hold the lock
        touch "$prefix/.created"
    fi
) 9>"$prefix.lock"

# The server and Wine's own background programs, started by the first
# program, would keep its output open for seconds after it ends (ctest waits
# for that): they are started here with no output, and linger a little for
# the next program.
if "$wineserver" -p3 </dev/null >/dev/null 2>&1; then
    "$wine" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
fi

exec "$wine" "$@"
