#!/usr/bin/env bash
# deb_package_test.sh CMAKE BUILD_DIR DEB APP_ID
#
# Builds the Debian package (incrementally), unpacks it into a temporary root, never into the system,
# and runs the unpacked programs there with a temporary home: they must find their libraries without
# help, and the CLI must keep its data in the per-user folder, not beside itself.
set -euo pipefail
cmake_command=$1 build_dir=$2 deb=$3 app_id=$4

if ! command -v dpkg-deb >/dev/null; then
    echo "SKIP: dpkg-deb is not installed, so no Debian package can be made or unpacked"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/fortwright-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cmake_command" --build "$build_dir" --target package >"$work/package.log" 2>&1; then
    cat "$work/package.log" >&2
    echo "FAIL: the package target failed" >&2
    exit 1
fi
[[ -f "$deb" ]] || { echo "FAIL: no package at $deb" >&2; exit 1; }

listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
expected=(
    ./usr/bin/fortwright
    ./usr/bin/fortwright-cli
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    ./usr/share/man/man1/fortwright-cli.1.gz
)
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$listing" || fail "the package lacks $path"
done
programs=$(grep -E '^\./usr/bin/.' <<<"$listing" | sort | tr '\n' ' ')
[[ "$programs" == "./usr/bin/fortwright ./usr/bin/fortwright-cli " ]] \
    || fail "usr/bin should hold the two programs only, holds: $programs"
if grep -E '(^|/)test_|gtest|testkit' <<<"$listing"; then fail "test files are packaged"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6widgets6 libqt6network6 libqt6svg6 libzip4; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends does not name $library: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
home="$work/home"
mkdir -p "$home"
in_home() {
    env -u LD_LIBRARY_PATH -u FORTWRIGHT_HOME -u FORTWRIGHT_SETTINGS -u XDG_DATA_DIRS \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_STATE_HOME="$home/.local/state" "$@"
}
touch "$work/before-run"
sleep 1

code=0
usage=$(in_home "$root/usr/bin/fortwright-cli" --help 2>&1) || code=$?
[[ $code -eq 0 ]] || fail "fortwright-cli --help exited $code: $usage"
grep -q '^Usage: fortwright-cli ' <<<"$usage" || fail "fortwright-cli --help printed no usage: $usage"
grep -q '^  message set ' <<<"$usage" || fail "fortwright-cli --help lists no message command: $usage"

code=0
window_usage=$(in_home QT_QPA_PLATFORM=offscreen "$root/usr/bin/fortwright" --help 2>&1) || code=$?
[[ $code -eq 0 ]] || fail "fortwright --help exited $code: $window_usage"
grep -q -- '--data-dir' <<<"$window_usage" || fail "fortwright --help printed no options: $window_usage"

code=0
out=$(in_home "$root/usr/bin/fortwright-cli" message set 'hello from the package' 2>&1) || code=$?
[[ $code -eq 0 ]] || fail "fortwright-cli message set exited $code: $out"
message_file="$home/.local/share/_DezeveRovorare/Fortwright/msg.txt"
[[ -f "$message_file" ]] || fail "message set wrote no $message_file; home holds: $(find "$home" -type f)"
shown=$(in_home "$root/usr/bin/fortwright-cli" message show 2>&1 | tr -d '\r') || true
[[ "$shown" == "hello from the package" ]] || fail "message show printed: $shown"
written=$(find "$root" -newer "$work/before-run")
[[ -z "$written" ]] || fail "running the programs wrote into the unpacked root: $written"

desktop="$root/usr/share/applications/$app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x "$root/usr/bin/$exec_name" ]] || fail "the desktop entry starts $exec_name, which is not packaged"
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the icon is not an SVG"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not launch the desktop entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
else
    echo "note: desktop-file-validate is not installed; the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" \
        || fail "appstreamcli refused the metainfo"
else
    echo "note: appstreamcli is not installed; the metainfo is not validated"
fi

man_page=$(gzip -dc "$root/usr/share/man/man1/fortwright-cli.1.gz")
grep -q '^\.TH FORTWRIGHT\\-CLI 1' <<<"$man_page" || fail "the man page has no title line"
commands=$(grep -c '^  [a-z]' <<<"$usage")
entries=$(grep -c '^\.TP' <<<"$man_page")
[[ "$commands" -eq "$entries" ]] || fail "the CLI lists $commands commands, the man page $entries"
grep -q '^\.B message set TEXT$' <<<"$man_page" || fail "the man page lacks the usage of message set"
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$root/usr/share/man/man1/fortwright-cli.1.gz" \
        2>&1 >/dev/null) || fail "man cannot show the page"
    [[ -z "$warnings" ]] || fail "man warns about the page: $warnings"
fi

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the package installs, runs and keeps its data in the user's folder"
