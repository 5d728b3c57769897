#!/usr/bin/env bash
# Fails when two files of a folder (shell/ unless told others) include each
# other's headers: X.cpp or X.h includes Y.h while Y.cpp or Y.h includes X.h.
# The windows are wired from the top down; nothing reaches back up.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for folder in "${@:-shell}"; do
    for file in "$folder"/*.cpp "$folder"/*.h; do
        module=$(basename "${file%.*}")
        for included in $(grep -o "\"$folder/[a-z]*\.h\"" "$file" | tr -d '"'); do
            other=$(basename "${included%.h}")
            if [[ "$other" != "$module" ]] && grep -qs "\"$folder/$module\.h\"" "$folder/$other.cpp" "$folder/$other.h"; then
                echo "$folder: $module and $other include each other" >&2
                status=1
            fi
        done
    done
done
exit $status
