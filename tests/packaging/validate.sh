#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what desktops, software centres and distributions read
# there: the desktop entry, the AppStream metadata and the manual page pass their own validators, the command
# and the coin pictures are reachable through the installed links, and every file names the same version.
# usage: validate.sh VERSION BUILD-DIR DEBIAN-CHANGELOG
set -euo pipefail
version="$1" build="$2" debian_changelog="$3"
id=com.tavrenne.Tavrenne

missing=()
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "missing ${missing[*]}; install desktop-file-utils appstream man-db (./build-and-test.sh does)" >&2
    exit 1
fi

root="$(mktemp -d "${TMPDIR:-/tmp}/tavrenne-install.XXXXXX")"
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root" >/dev/null

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

desktop="$root/share/applications/$id.desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
manpage="$root/share/man/man6/tavrenne.6.gz"
for file in "$desktop" "$metainfo" "$manpage" "$root/share/doc/tavrenne/copyright"; do
    [ -f "$file" ] || fail "not installed: ${file#"$root"/}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate"
# The whole tree, so that the metainfo's launchable must name a desktop entry that is installed;
# --strict fails on anything above a pedantic hint.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"
warnings="$(MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man page warnings:"$'\n'"$warnings"

# The desktop entry starts a command the install puts on the PATH, with an icon it installs.
command_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
command_path=
for dir in bin games; do
    [ -e "$root/$dir/$command_name" ] && command_path="$root/$dir/$command_name"
done
[ -n "$command_path" ] && [ -x "$(readlink -f "$command_path")" ] ||
    fail "the desktop entry's command $command_name is not an installed executable"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
compgen -G "$root/share/icons/hicolor/*/apps/$icon.*" >/dev/null || fail "icon $icon is not installed"
# The program reads its coins from pics/ beside the executable the command leads to.
if [ -n "$command_path" ]; then
    program_dir="$(dirname "$(readlink -f "$command_path")")"
    for coin in heads.gif tails.gif; do
        [ -f "$program_dir/pics/$coin" ] || fail "pics/$coin is not beside the executable"
    done
fi

# A new version must reach every place that names it.
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
head -n 1 "$debian_changelog" | grep -q "^tavrenne ($version-" || fail "Debian changelog does not begin with $version"
zcat "$manpage" | grep -q "^\.TH TAVRENNE 6 .*\"Tavrenne $version\"" || fail "man page is not of Tavrenne $version"
zcat "$root/share/doc/tavrenne/changelog.gz" | head -n 1 | grep -q "^Tavrenne $version " ||
    fail "changelog does not begin with $version"

exit "$failed"
