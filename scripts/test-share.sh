#!/usr/bin/env bash
# How big the tests are against the rest of the code: the C++, CMake, shell and Python lines
# that git tracks, blank and comment lines left out; tests/ against everything else.
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-HEAD}

lines() {
    local n=0 f
    while read -r f; do
        n=$((n + $(git show "$rev:$f" | grep -v -E '^\s*$' | grep -c -v -E '^\s*(//|#[^a-z!]|#$)' || true)))
    done
    echo "$n"
}

files=$(git ls-tree -r --name-only "$rev" | grep -E '\.(cpp|h|hpp|cc|sh|py|cmake)$|CMakeLists\.txt$|^\.ci/run$')
tests=$(grep -E '^tests/' <<<"$files" | lines)
code=$(grep -v -E '^tests/' <<<"$files" | lines)
echo "tests: $tests lines, code: $code lines, tests are $((100 * tests / code))% of the code"
