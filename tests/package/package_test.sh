#!/bin/sh
# The Debian package as a user gets it: CPack builds it from this build
# folder, dpkg-deb unpacks it into a temporary root, and that root's
# tavrin-cli runs with nothing else on the path, as does the window
# program's --version. Then Debian's own tools check what it holds: lintian
# (no errors), desktop-file-validate, appstreamcli, man and bash completion.
#
# package_test.sh BUILD_DIR VERSION
# Exit status 77 (skipped) only where dpkg-deb is missing.
set -eu
build=$1
version=$2

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIPPED: dpkg-deb is missing, so no Debian package can be built here."
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
need() {
    command -v "$1" >/dev/null 2>&1 || {
        echo "FAIL: $1 is missing (scripts/test installs it)"
        exit 1
    }
}

echo "== Building the package"
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
}
deb="$work/out/tavrin-map-generator_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || {
    ls "$work/out"
    echo "FAIL: no $(basename "$deb")"
    exit 1
}
echo "$(basename "$deb"): $(wc -c <"$deb") bytes"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case $depends in
*libqt6gui6*) ;;
*) fail "Depends does not name the Qt libraries the programs link" ;;
esac

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/tavrin-map-generator usr/bin/tavrin-cli \
    usr/share/applications/tavrin-map-generator.desktop \
    usr/share/mime/packages/tavrin-map-generator.xml \
    usr/share/icons/hicolor/scalable/apps/tavrin-map-generator.svg \
    usr/share/icons/hicolor/16x16/apps/tavrin-map-generator.png \
    usr/share/icons/hicolor/256x256/apps/tavrin-map-generator.png \
    usr/share/man/man6/tavrin-map-generator.6.gz usr/share/man/man6/tavrin-cli.6.gz \
    usr/share/bash-completion/completions/tavrin-cli \
    usr/share/doc/tavrin-map-generator/copyright usr/share/doc/tavrin-map-generator/changelog.gz \
    usr/share/tavrin-map-generator/translations/tavrin_de.qm \
    usr/share/tavrin-map-generator/translations/tavrin_fr.qm \
    usr/share/tavrin-map-generator/translations/tavrin_es.qm; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
bitmaps=$(find "$root/usr/share/tavrin-map-generator" -name '*.bmp' | wc -l)
[ "$bitmaps" -eq 120 ] || fail "the package holds $bitmaps tile bitmaps, not 120"

echo "== The unpacked tavrin-cli, with nothing else on the path"
cli="$root/usr/bin/tavrin-cli"
run() { env -i PATH=/nonexistent HOME="$work" "$cli" "$@"; }
[ "$(run --version)" = "tavrin-cli $version" ] || fail "--version does not print $version"
env -i PATH=/nonexistent HOME="$work" LANGUAGE=de "$cli" --help | grep -q '^Aufruf:' ||
    fail "LANGUAGE=de tavrin-cli --help is not German: the installed translations are not found"
map=$(run generate --seed 1) || fail "generate --seed 1 failed"
[ ${#map} -eq 60 ] || fail "generate --seed 1 printed '$map', not a map string"
if run render --map "$map" --out "$work/map.png" 2>"$work/render.err"; then
    [ -s "$work/render.err" ] && fail "render reported: $(head -3 "$work/render.err")"
    [ -s "$work/map.png" ] || fail "render wrote no picture"
else
    fail "render failed: $(cat "$work/render.err")"
fi

echo "== The unpacked window program answers without a display"
window=$(env -i PATH=/nonexistent HOME="$work" "$root/usr/bin/tavrin-map-generator" --version) ||
    fail "tavrin-map-generator --version failed"
case $window in
*" $version") ;;
*) fail "tavrin-map-generator --version printed '$window', not version $version" ;;
esac

echo "== lintian"
need lintian
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
grep -q '^E: ' "$work/lintian.log" && fail "lintian reports errors"

echo "== desktop-file-validate, appstreamcli"
need desktop-file-validate
need appstreamcli
desktop-file-validate "$root/usr/share/applications/tavrin-map-generator.desktop" ||
    fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "appstreamcli refuses the metainfo file"

echo "== man pages"
need man
for page in "$root"/usr/share/man/man6/*.6.gz; do
    if ! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$work/page.txt" 2>"$work/man.err" ||
        [ -s "$work/man.err" ] || ! grep -q SYNOPSIS "$work/page.txt"; then
        cat "$work/man.err"
        fail "man -l does not render $(basename "$page") cleanly"
    fi
done

echo "== bash completion"
completion=/usr/share/bash-completion/bash_completion
[ -f "$completion" ] || {
    echo "FAIL: bash-completion is missing (scripts/test installs it)"
    exit 1
}
complete() {
    bash -c '. "$1"; . "$2"; shift 2; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}; _tavrin_cli; echo "${COMPREPLY[*]}"' \
        complete "$completion" "$root/usr/share/bash-completion/completions/tavrin-cli" "$@"
}
[ "$(complete tavrin-cli ren)" = "render" ] || fail "completion of 'ren' is '$(complete tavrin-cli ren)'"
[ "$(complete tavrin-cli route --map x March)" = "MarchLand" ] ||
    fail "completion of a route's tile is '$(complete tavrin-cli route --map x March)'"

[ "$failures" -eq 0 ] || exit 1
echo "The package builds, installs its files and runs."
