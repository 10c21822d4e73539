#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the manual page pass the validators that desktops,
# software centres and distributions run, and agree with each other and with the program's version.
# usage: validate.sh VERSION DESKTOP METAINFO MANPAGE DEBIAN-CHANGELOG
set -euo pipefail
version="$1" desktop="$2" metainfo="$3" manpage="$4" debian_changelog="$5"

missing=()
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "missing ${missing[*]}; install desktop-file-utils appstream man-db (./build-and-test.sh does)" >&2
    exit 1
fi

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
# --strict fails on anything above a pedantic hint.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate $metainfo"

warnings="$(MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man page warnings:"$'\n'"$warnings"

# A software centre finds the desktop entry through the metainfo's id and launchable.
id="$(basename "$desktop" .desktop)"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"

# A new version must reach every place that names it.
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
head -n 1 "$debian_changelog" | grep -q "^tavrenne ($version-" || fail "Debian changelog does not begin with $version"
grep -q "^\.TH TAVRENNE 6 .*\"Tavrenne $version\"" "$manpage" || fail "man page is not of Tavrenne $version"

exit "$failed"
