#!/bin/bash
# Installs what building and testing GLYPHER needs on Debian, as root.
# Quick when everything is already there.
set -euo pipefail

packages=(
    cmake make g++ python3 googletest
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 wine32:i386
    xvfb xauth x11-utils imagemagick
    clang libfuzzer-14-dev
    locales fonts-ipafont fonts-wine
    zip unzip
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page (932) from a Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
