#!/usr/bin/env bash
# PackageTest.sh BUILD_DIR: builds the Debian package from the built tree BUILD_DIR, unpacks it with
# dpkg-deb into a temporary root and checks what a user gets: the files are there, the installed programs
# find their data in the installed layout, the desktop entry, AppStream metadata and MIME type pass their
# validators, the manual pages cover every command the tools list, and the manual's pictures are shipped.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
debs=("$scratch"/out/*.deb)
deb=${debs[0]}
root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

# Control data: the runtime libraries come from dpkg-shlibdeps.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libserialport0; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = vqn58 ] || fail "package name"

# Every file a user needs, in the installed layout.
expected=(
    usr/bin/vqn58 usr/bin/vqn58-cli usr/bin/vqn58-radiosim
    usr/share/vqn58/VQN58.OVL usr/share/vqn58/vqn58-help.html usr/share/vqn58/icons/imgIcon_App.png
    usr/share/applications/org.vqn58.vqn58.desktop usr/share/metainfo/org.vqn58.vqn58.metainfo.xml
    usr/share/mime/packages/vqn58.xml
    usr/share/man/man1/vqn58.1.gz usr/share/man/man1/vqn58-cli.1.gz usr/share/man/man1/vqn58-radiosim.1.gz
)
for model in 0 1 2 3 4; do
    expected+=("usr/share/vqn58/VQN58_$model.qcf")
done
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/vqn58.png")
    expected+=("usr/share/icons/hicolor/${size}x$size/mimetypes/application-x-vqn58-clone.png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "missing $file"
done
for program in vqn58 vqn58-cli vqn58-radiosim; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
done
[ ! -e "$root/usr/bin/VQN58.OVL" ] || fail "the overlay lies beside the executables"

# One version everywhere it is shown: the package's, in the program's texts (About, the header of printed
# pages), the AppStream release and the manual pages' header lines.
version=$(dpkg-deb -f "$deb" Version)
[ -n "$version" ] || fail "the package has no version"
overlay_line() { sed -n "/^#$1\r\{0,1\}\$/{n;p;q}" "$share/vqn58/VQN58.OVL" | tr -d '\r'; }
[ "$(overlay_line GI_Sys_AppTitleRev)" = "VQ-N58 Cloning Program $version" ] ||
    fail "the printed pages' header shows '$(overlay_line GI_Sys_AppTitleRev)', not version $version"
[ "$(overlay_line GI_App_About_Text)" = "VQ-N58 Cloning Program $version" ] ||
    fail "About shows '$(overlay_line GI_App_About_Text)', not version $version"
metainfo=$share/metainfo/org.vqn58.vqn58.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream release is not $version"
for tag in project_license developer content_rating; do
    grep -q "<$tag[ >]" "$metainfo" || fail "the AppStream file has no $tag"
done
for page in vqn58 vqn58-cli vqn58-radiosim; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | head -1 | grep -q "\"vqn58 $version\"" ||
        fail "$page.1 does not name version $version"
done
! grep -rq '@VQN58_VERSION@' "$share/vqn58/VQN58.OVL" "$metainfo" || fail "a version placeholder was left"

# The installed command-line tool finds its overlay under share/vqn58: every initial file passes its
# check, and a missing file is reported with the overlay's own heading and status 11.
cli=$root/usr/bin/vqn58-cli
for model in 0 1 2 3 4; do
    "$cli" check "$share/vqn58/VQN58_$model.qcf" || fail "vqn58-cli check VQN58_$model.qcf"
done
heading=$(sed -n '/^#GI_Mess_FileErr_Headline/{n;p;q}' "$share/vqn58/VQN58.OVL" | tr -d '\r')
status=0
message=$("$cli" check "$scratch/missing.qcf" 2>&1) || status=$?
[ "$status" -eq 11 ] || fail "check of a missing file ended with $status, not 11"
[[ -n $heading && $message == *"$heading"* ]] || fail "check of a missing file did not show '$heading': $message"
"$cli" info --device sim >"$scratch/info.txt" || fail "vqn58-cli info --device sim"
grep -q '^model 2691' "$scratch/info.txt" || fail "the simulated radio's identity: $(cat "$scratch/info.txt")"

# The installed window program finds the overlay, the initial files and its pictures: it draws every
# sheet offscreen without touching the user's settings.
mkdir -m 700 "$scratch/runtime"
if ! QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
    "$root/usr/bin/vqn58" --screenshots "$scratch/pictures" >"$scratch/window.log" 2>&1; then
    cat "$scratch/window.log" >&2
    fail "the installed vqn58 could not draw its window"
fi
[ -f "$scratch/pictures/window_about.png" ] || fail "the installed vqn58 drew no pictures"

# The desktop's files pass their validators and point at what the package installs.
desktop=$share/applications/org.vqn58.vqn58.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/org.vqn58.vqn58.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$scratch/appstream.log")"
appstreamcli validate-tree --no-net "$root" >"$scratch/appstream-tree.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$scratch/appstream-tree.log")"
grep -q '^Exec=vqn58 %f$' "$desktop" || fail "the desktop entry does not open files with vqn58"
grep -q '^MimeType=application/x-vqn58-clone;$' "$desktop" || fail "the desktop entry does not name the MIME type"
grep -q '<launchable type="desktop-id">org.vqn58.vqn58.desktop</launchable>' \
    "$share/metainfo/org.vqn58.vqn58.metainfo.xml" || fail "the metainfo does not launch the desktop entry"
if command -v xmllint >/dev/null; then
    xmllint --noout "$share/mime/packages/vqn58.xml" || fail "xmllint of the MIME type"
fi
if command -v update-mime-database >/dev/null; then
    mkdir -p "$scratch/mime/packages"
    cp "$share/mime/packages/vqn58.xml" "$scratch/mime/packages/"
    update-mime-database "$scratch/mime" || fail "update-mime-database"
    grep -q 'application/x-vqn58-clone:\*\.qcf' "$scratch/mime/globs2" || fail "the MIME type does not claim *.qcf"
    # The extension the program saves with is the one the MIME type claims.
    extension=$(sed -n '/^#GI_Sys_Dialog_FOpen/{n;p;q}' "$share/vqn58/VQN58.OVL" | tr -d '\r')
    grep -q "application/x-vqn58-clone:\*\.$extension\$" "$scratch/mime/globs2" ||
        fail "the MIME type does not claim the extension '$extension' the program saves with"
fi

# Manual pages: each one formats without a warning, and every command and option the tools list in
# their --help is described.
for page in vqn58 vqn58-cli vqn58-radiosim; do
    if command -v groff >/dev/null; then
        warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    fi
done
manual_text() { zcat "$root/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g; s/\\f[BIRP]//g'; }
cli_page=$(manual_text vqn58-cli)
for command in $("$cli" --help | sed -n '/^Commands:/,/^[A-Z]/p' | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p'); do
    grep -Eq "^\.B[IR]? $command( |$)" <<<"$cli_page" || fail "vqn58-cli.1 does not describe the command $command"
done
sim_page=$(manual_text vqn58-radiosim)
for option in $("$root/usr/bin/vqn58-radiosim" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" <<<"$sim_page" || fail "vqn58-radiosim.1 does not describe $option"
done

# The manual: every picture it shows is shipped beside it, and it loads nothing from elsewhere.
manual=$share/vqn58/vqn58-help.html
while read -r picture; do
    [ -f "$share/vqn58/$picture" ] || fail "the manual shows $picture, which is not installed"
done < <(grep -o 'src="[^"]*"' "$manual" | sed 's/^src="//; s/"$//')
! grep -Eiq '(src|href)="(https?:)?//|<script|@import|url\(' "$manual" || fail "the manual loads something from elsewhere"
grep -q 'src="vqn58-help/' "$manual" || fail "the manual shows no pictures"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb") checked"
