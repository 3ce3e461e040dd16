#!/bin/bash
# Runs the undo commands of the release readme (release/README.txt), read
# from it and typed into cmd.exe as written, in a throwaway Wine prefix
# (build/wineprefix-undo) around real runs of GLYPHER.EXE. They must save the
# four keys, put them back exactly as they were, give the six Shell Icons
# slots Windows' stock icons again and remove the program's own key.
# A second pass does the same with /reg:64 appended, from a 32-bit Command
# Prompt with the i686 build where this machine runs 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
export GLYPHER_WINEPREFIX="$(pwd)/build/wineprefix-undo"
source scripts/wine-env.sh

fail() { echo "undo check: $*" >&2; exit 1; }

# The readme's commands, by the number of the step they are listed under.
save=() restore=() stock=() own=()
while IFS=$'\t' read -r step command; do
    case "$step" in
        1) save+=("$command") ;;
        2) restore+=("$command") ;;
        3) stock+=("$command") ;;
        4) own+=("$command") ;;
        *) fail "a command outside the four steps: $command" ;;
    esac
done < <(awk '/^\([0-9]\) / { step = substr($0, 2, 1) }
              /^    reg / { sub(/^    /, ""); print step "\t" $0 }' release/README.txt)
((${#save[@]} && ${#restore[@]} && ${#stock[@]} && ${#own[@]})) || fail "release/README.txt lacks a step's commands"

# The keys the commands name, as they are written there.
key_of() { sed 's/^reg [a-z]* "\([^"]*\)".*/\1/' <<<"$1"; }
keys=()
for command in "${save[@]}"; do keys+=("$(key_of "$command")"); done
shell_icons_key=$(key_of "${stock[0]}")
own_key=$(key_of "${own[0]}")
icon='C:\icons\undo-check.ico'

cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j "$(nproc)" --target GLYPHER glypher_driver >/dev/null
driver=build/mingw-x86_64/tests/glypher_driver.exe
if glypher_can_run_32bit; then
    cmake --preset mingw-i686 >/dev/null
    cmake --build --preset mingw-i686 -j "$(nproc)" --target GLYPHER >/dev/null
fi

rm -rf "$WINEPREFIX"
glypher_ensure_display
glypher_ensure_prefix
work=$(pwd)/build/undo-check
rm -rf "$work" && mkdir -p "$work"

# Types one command at a cmd.exe prompt of `wine` and prints what it said.
run_commands() {
    local wine=$1 suffix=$2 command status
    shift 2
    for command in "$@"; do
        printf '@%s%s\r\n' "$command" "$suffix" >"$work/step.cmd"
        status=0
        (cd "$work" && "$wine" cmd /c step.cmd </dev/null >"$work/said" 2>&1) || status=$?
        echo "> $command$suffix   (exit $status)"
        iconv -f CP932 -t UTF-8 "$work/said" | tr -d '\r' | sed '/^$/d; s/^/    /'
    done
}

# What the 64-bit registry holds under `key`, or reg's "not found".
query() { "$WINE64" reg query "$@" /s 2>&1 | tr -d '\r' || true; }

# Starts `exe` under `wine`, puts $icon into every field and presses OK.
apply_icons() {
    local wine=$1 exe=$2 program
    "$wine" "$exe" &
    program=$!
    "$WINE64" "$driver" ok "$icon" || fail "GLYPHER's dialog did not appear"
    wait "$program" || fail "GLYPHER.EXE ended with exit code $?"
}

# One pass: save, let GLYPHER write, put back, let it write again, stock icons.
check_pass() {
    local wine=$1 exe=$2 suffix=$3 i
    rm -f "$WINEPREFIX"/drive_c/users/*/glypher-*.reg
    local before=()
    for key in "${keys[@]}"; do before+=("$(query "$key")"); done

    run_commands "$wine" "$suffix" "${save[@]}"
    apply_icons "$wine" "$exe"
    for i in "${!keys[@]}"; do
        [[ "$(query "${keys[i]}")" != "${before[i]}" ]] || fail "GLYPHER did not change ${keys[i]}: step 1 saves a key it does not write"
        if [[ -n "$suffix" ]] && query "${keys[i]}" /reg:32 | grep -qF "$icon"; then
            fail "the 32-bit view of ${keys[i]} holds GLYPHER's value: /reg:64 would not be needed"
        fi
    done

    run_commands "$wine" "$suffix" "${restore[@]}"
    for i in "${!keys[@]}"; do
        [[ "$(query "${keys[i]}")" == "${before[i]}" ]] ||
            fail "step 2 did not put back ${keys[i]}:"$'\n'"$(diff <(echo "${before[i]}") <(query "${keys[i]}") | iconv -f CP932 -t UTF-8)"$'\n'"$(ls -l "$WINEPREFIX"/drive_c/users/*/glypher-*.reg)"
    done

    apply_icons "$wine" "$exe"
    run_commands "$wine" "$suffix" "${stock[@]}" "${own[@]}"
    ! query "$shell_icons_key" | grep -qF "$icon" || fail "step 3 left GLYPHER's values in Shell Icons"
    "$WINE64" reg query "$own_key" >/dev/null 2>&1 && fail "step 4 left $own_key"
    return 0
}

echo "== the commands as written, 64-bit Command Prompt, x86_64 build, a fresh prefix"
check_pass "$WINE64" build/mingw-x86_64/GLYPHER.EXE ""

# The second pass starts from values of the kind Windows keeps in the class
# keys (REG_EXPAND_SZ), and a Shell Icons value GLYPHER does not write, which
# step 3 must leave.
for key in "${keys[@]}"; do
    [[ "$key" == HKCR* ]] || continue
    "$WINE64" reg add "$key" /ve /t REG_EXPAND_SZ /d '%SystemRoot%\System32\imageres.dll,-109' /f >/dev/null
    "$WINE64" reg add "$key" /v empty /t REG_EXPAND_SZ /d '%SystemRoot%\System32\imageres.dll,-55' /f >/dev/null
    "$WINE64" reg add "$key" /v full /t REG_EXPAND_SZ /d '%SystemRoot%\System32\imageres.dll,-54' /f >/dev/null
done
"$WINE64" reg add "$shell_icons_key" /v 29 /d 'C:\overlay.ico,0' /f >/dev/null

if glypher_can_run_32bit; then
    echo "== with /reg:64, 32-bit Command Prompt, i686 build"
    check_pass "$WINE32" build/mingw-i686/GLYPHER.EXE " /reg:64"
else
    echo "== with /reg:64, 64-bit Command Prompt, x86_64 build"
    echo "NOTE: this kernel cannot run 32-bit programs: the 32-bit Command Prompt is not checked."
    check_pass "$WINE64" build/mingw-x86_64/GLYPHER.EXE " /reg:64"
fi
query "$shell_icons_key" | grep -qF 'C:\overlay.ico,0' || fail "step 3 deleted a value GLYPHER does not write"
echo "undo check: the readme's commands save, put back and reset what GLYPHER writes"
