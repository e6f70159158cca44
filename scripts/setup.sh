#!/bin/bash
# Installs what building, testing and showing Glimmerbox need on Debian 12.
# Run as root. Safe to repeat: a second run finds everything and says nothing.
set -euo pipefail

packages=(
    cmake g++ make                                  # host build and unit tests
    mingw-w64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix   # GoogleTest under Wine needs std::mutex
    libgtest-dev googletest                         # host GoogleTest and its sources for the cross build
    wine64                                          # runs the x86_64 build
    xvfb xauth x11-utils xdotool                    # virtual display, its probe and input
    locales fonts-wqy-zenhei fonts-arphic-uming     # code page 936 and Chinese glyphs under Wine
    imagemagick                                     # screenshots of the show
)

if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: run as root" >&2
    exit 1
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup.sh: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine shows GBK texts only with the ANSI code page 936, which zh_CN.UTF-8 gives it.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
    echo "setup.sh: generating locale zh_CN.UTF-8"
    if grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    fi
    locale-gen >/dev/null
fi
