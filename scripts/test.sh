#!/bin/bash
# Builds GLYPHER for the host and for 32- and 64-bit Windows and runs every
# test: natively, again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the Windows builds under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

for preset in native native-sanitize mingw-x86_64 mingw-i686; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

ctest --preset native
ctest --preset native-sanitize

# The tests write the registry: they get a prefix of their own, apart from
# the one scripts/run.sh shows the program in.
export GLYPHER_WINEPREFIX="${GLYPHER_WINEPREFIX:-$(pwd)/build/wineprefix-tests}"
source scripts/wine-env.sh
glypher_ensure_display
glypher_ensure_prefix

ctest --preset mingw-x86_64

# The program again on a system whose locale is not Japanese (Wine gives it
# code page 1252): in a prefix of that locale, since a prefix keeps its locale.
(
    export GLYPHER_WINEPREFIX="$GLYPHER_WINEPREFIX-c"
    export GLYPHER_WINE_LANG=C.UTF-8
    source scripts/wine-env.sh
    glypher_ensure_prefix
    ctest --preset mingw-x86_64 -R program_tests
    "$WINESERVER" -k 2>/dev/null || true
)

if glypher_can_run_32bit; then
    ctest --preset mingw-i686
else
    echo "NOTE: this kernel cannot run 32-bit programs, so the i686 build's tests that run under Wine"
    echo "      are skipped here; its build checks still run."
    ctest --preset mingw-i686 -L build-check
fi
