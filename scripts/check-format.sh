#!/usr/bin/env bash
# Fails when a C++ file of the repository is not as .clang-format lays it out.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
