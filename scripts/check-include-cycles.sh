#!/usr/bin/env bash
# Fails on a circle of includes of any length, found by tsort:
# - among the files of the whole tree (headers that include each other,
#   however long the way round);
# - among the modules (X.h and X.cpp together) of the folders named, shell/
#   unless told others: the windows are wired from the top down, and nothing
#   reaches back up, not even from a .cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

# "from to" for each quoted include of the files named on standard input;
# with modules, a file stands for its module and its own header is left out.
include_edges() {
    local as_modules=$1 file from included
    while read -r file; do
        from=$file
        [[ $as_modules == yes ]] && from=${file%.*}
        while read -r included; do
            [[ $as_modules == yes ]] && included=${included%.h}
            [[ "$included" != "$from" ]] && echo "$from $included"
        done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+\.h)".*/\1/p' "$file")
    done
    return 0
}

# tsort names the members of each circle on standard error.
report_circles() {
    local what=$1 circles
    if ! circles=$(tsort 2>&1 >/dev/null); then
        echo "include circle among $what:" >&2
        grep -v 'input contains a loop' <<<"$circles" | sed 's/^tsort: /  /' >&2
        return 1
    fi
}

status=0
git ls-files '*.h' '*.cpp' | include_edges no | report_circles "the files" || status=1
for folder in "${@:-shell}"; do
    git ls-files "$folder/*.h" "$folder/*.cpp" | include_edges yes | { grep -E "^$folder/[^ /]+ $folder/[^ /]+\$" || true; } |
        report_circles "the modules of $folder/" || status=1
done
exit $status
