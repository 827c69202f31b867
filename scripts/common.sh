# Shared by scripts/run and scripts/test: installs missing Debian packages and
# builds the project. Sourced, not run.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# What the programs need to build; the tests and the benchmarks need GoogleTest
# and Google Benchmark besides.
PROGRAM_PACKAGES=(cmake ninja-build make g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core pkg-config
    libqrencode-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools)
TEST_BUILD_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
BUILD_PACKAGES=("${PROGRAM_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}")
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

# Where ccache is installed, every build goes through it: a second run
# compiles only what changed, in any build folder. Paths are hashed relative
# to the folder that holds this clone, so clones and worktrees side by side
# share their objects.
COMPILER_LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$ROOT")}"
    export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
    COMPILER_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
    COMPILER_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=)
fi

# configure DIR [cmake options...]: a new build folder is made with Ninja,
# which keeps both cores busy across targets; one made before keeps its
# generator.
configure() {
    local dir="$1"
    shift
    local generator=()
    [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
    cmake -S "$ROOT" -B "$dir" "${generator[@]}" "${COMPILER_LAUNCHER[@]}" "$@"
}

# build DIR [targets...]: all of it when no target is named.
build() {
    local dir="$1"
    shift
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    configure "$@"
    build "$1"
}

# The build of scripts/run and scripts/package in build/: the programs alone,
# no tests and no benchmarks. Every setting is given, so that whatever a
# hand-made configuration of build/ left in its cache (warnings as errors,
# sanitizers) does not stay.
configure_program_build() {
    configure "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_WERROR=OFF -DTAVRIN_SANITIZE=OFF \
        -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCH=OFF -DTAVRIN_UNITY=ON
}

# The web page's toolchain: emscripten and node (the system's own node is kept
# when there is one), and Chromium for its browser test.
WEB_PACKAGES=(emscripten node-qrcode-generator esbuild)

ensure_node() {
    command -v node >/dev/null 2>&1 || ensure_packages nodejs
    # Debian's emscripten finds its own JavaScript modules (acorn) only
    # there when the node on the path is not Debian's.
    export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
    # The browser test speaks to Chromium over a WebSocket: node's own where
    # it has one, else Debian's ws module.
    if ! node --experimental-websocket -e 'process.exit(typeof WebSocket === "function" ? 0 : 1)' \
        >/dev/null 2>&1; then
        ensure_packages node-ws
    fi
}

# build_web NATIVE_BUILD_DIR WEB_BUILD_DIR [NATIVE_TARGETS...]: builds the
# SVG tiles in the native build (and the targets named: the page's tests
# compare it with tavrin-cli), then the engine's WebAssembly module and the
# page in WEB_BUILD_DIR/site.
build_web() {
    local native="$1" web="$2"
    shift 2
    ensure_packages "${WEB_PACKAGES[@]}"
    ensure_node
    build "$native" tile_svgs tavrin-ts-catalogue "$@"
    emcmake cmake -S "$ROOT/web" -B "$web" -DCMAKE_BUILD_TYPE=Release \
        -DTAVRIN_TILE_SVG_DIR="$native/bin/svg" -DTAVRIN_CLI="$native/bin/tavrin-cli" \
        -DTAVRIN_TS_CATALOGUE="$native/bin/tavrin-ts-catalogue" -DTAVRIN_UNITY=ON >/dev/null
    cmake --build "$web" -j "$JOBS"
}
