# Shared by scripts/run and scripts/test: installs missing Debian packages and
# builds the project. Sourced, not run.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core pkg-config libqrencode-dev)
# What scripts/package needs besides: dpkg-shlibdeps finds the package's
# dependencies, and CPack finds the executables to ask it about with file.
PACKAGE_PACKAGES=(dpkg-dev file)
# What the package test checks the package with.
PACKAGE_CHECK_PACKAGES=(lintian appstream desktop-file-utils man-db bash-completion)

# Installs those of the given packages that are missing, with sudo unless root.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" "$@"
    cmake --build "$dir" -j "$JOBS"
}
