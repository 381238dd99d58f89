# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: installs the Debian packages a step needs when missing.
# Package names are those of both Debian 12 and 13: the default-version meta-packages.

missing_packages() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            printf '%s\n' "$package"
    done
}

need_packages() {
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    elif command -v sudo >/dev/null 2>&1; then
        as_root="sudo"
    else
        echo "Terravia needs these Debian packages, and installing them needs root or sudo:" $missing >&2
        exit 1
    fi
    echo "Installing:" $missing
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

build_packages="cmake make g++ qt6-base-dev qt6-qpa-plugins libgl-dev"
test_packages="strace clang llvm libclang-rt-dev locales libbenchmark-dev desktop-file-utils appstream xvfb dbus-daemon at-spi2-core python3-pyatspi xdotool bindfs"
