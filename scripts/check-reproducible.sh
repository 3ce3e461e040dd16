#!/bin/bash
# Runs scripts/release.sh in two clones of HEAD, in folders of different
# names, some seconds apart, and fails unless both give the same bytes: the
# two GLYPHER.EXE and the zip.
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse HEAD)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glypher-reproducible.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

sums=()
for clone in "$scratch/first" "$scratch/the-second-clone"; do
    # Without the commit's time, the second link would stamp a later one.
    ((${#sums[@]})) && sleep 3
    git clone -q --no-checkout . "$clone"
    git -C "$clone" checkout -q "$commit"
    echo "== release in $clone"
    (cd "$clone" && scripts/release.sh >/dev/null)
    sums+=("$(cd "$clone" && sha256sum build/release-zip/x86/GLYPHER.EXE build/release-zip/x64/GLYPHER.EXE dist/*.zip)")
    echo "${sums[-1]}"
done

if [[ "${sums[0]}" != "${sums[1]}" ]]; then
    echo "check-reproducible: the two builds of $commit differ" >&2
    exit 1
fi
echo "check-reproducible: both builds of $commit are byte-identical"
