#!/bin/sh
# Installs into a scratch prefix, checks that every file is where the desktop
# looks for it, and runs the validators on the desktop entry and the metainfo.
# Usage: check-install.sh CMAKE BUILD_DIR PREFIX APP_ID DESKTOP_FILE_VALIDATE APPSTREAMCLI UPDATE_MIME_DATABASE
set -eu
cmake=$1 build=$2 prefix=$3 id=$4 desktop_validate=$5 appstream=$6 update_mime=$7
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in "$desktop_validate" "$appstream" "$update_mime"; do
  case $tool in
    *NOTFOUND*) echo "FAIL: a validator is missing ($tool); Debian packages desktop-file-utils, appstream, shared-mime-info" >&2
                exit 1 ;;
  esac
done

rm -rf "$prefix"
unset DESTDIR
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expect_file() { [ -f "$prefix/$1" ] || fail "not installed: $1"; }
expect_file bin/torvane-edit
[ -x "$prefix/bin/torvane-edit" ] || fail "bin/torvane-edit is not executable"
expect_file bin/torvane-cogcheck
expect_file share/man/man1/torvane-cogcheck.1
if [ -x "$prefix/bin/torvane-cogcheck" ]; then
  "$prefix/bin/torvane-cogcheck" --version | grep -q '^torvane-cogcheck (Torvane Edit) ' ||
    fail "the installed torvane-cogcheck does not run"
else
  fail "bin/torvane-cogcheck is not executable"
fi
grep -q '^\.TH TORVANE-COGCHECK 1 ' "$prefix/share/man/man1/torvane-cogcheck.1" 2>/dev/null ||
  fail "the manual page of torvane-cogcheck has no title line"
expect_file "share/applications/$id.desktop"
expect_file "share/metainfo/$id.metainfo.xml"
expect_file share/mime/packages/torvane-edit.xml
expect_file share/icons/hicolor/32x32/apps/$id.png
expect_file share/doc/torvane-edit/LICENSE

# Nothing outside the places a desktop looks (a stray file would be left
# behind or clash with another package).
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | grep -v \
  -e '^bin/torvane-edit$' \
  -e '^bin/torvane-cogcheck$' \
  -e '^share/man/man1/torvane-cogcheck\.1$' \
  -e "^share/applications/$id\.desktop$" \
  -e "^share/metainfo/$id\.metainfo\.xml$" \
  -e '^share/mime/packages/torvane-edit\.xml$' \
  -e "^share/icons/hicolor/[0-9]*x[0-9]*/apps/$id\.png$" \
  -e '^share/doc/torvane-edit/LICENSE$' || true)
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

# Every icon is a PNG of the size its folder names.
for icon in "$prefix"/share/icons/hicolor/*/apps/"$id".png; do
  [ -f "$icon" ] || continue
  size=$(basename "$(dirname "$(dirname "$icon")")")
  w=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  magic=$(od -An -c -j1 -N3 "$icon" | tr -d ' ')
  [ "$magic" = PNG ] || fail "$icon is not a PNG"
  [ "$w" = "$size" ] || fail "$icon is $w, its folder says $size"
done

desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  # It exits 0 on warnings; those count here as well (hints do not).
  if out=$("$desktop_validate" "$desktop" 2>&1); then rc=0; else rc=$?; fi
  [ -z "$out" ] || echo "$out"
  if [ "$rc" -ne 0 ] || echo "$out" | grep -qE '(error|warning):'; then
    fail "desktop-file-validate rejected $desktop"
  fi
  grep -qx 'Name=Torvane Edit' "$desktop" || fail "desktop entry is not named Torvane Edit"
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the installed icon"
  # The file manager hands over the files the user opened, as local names.
  grep -qx 'Exec=torvane-edit %F' "$desktop" || fail "desktop entry does not start 'torvane-edit %F'"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_name" ] || fail "desktop entry starts '$exec_name', which is not installed"
  # Every type the entry offers to open is plain text or one the package defines.
  for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
    [ "$type" = text/plain ] && continue
    grep -q "<mime-type type=\"$type\">" "$prefix/share/mime/packages/torvane-edit.xml" ||
      fail "desktop entry names $type, which no installed MIME package defines"
  done
fi

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  # The tree check also finds the desktop entry the metainfo launches.
  "$appstream" validate-tree --no-net --strict --pedantic --explain "$prefix" ||
    fail "appstreamcli rejected the installed metainfo"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the installed desktop entry"
fi

# The MIME package compiles on its own, and together with the system's types
# into one database, as the package manager's trigger does for an install in
# /usr. The type test reads that merged database. It is kept between runs and
# rebuilt only when a package changed (a full rebuild takes seconds).
# update-mime-database always warns that a scratch folder is not searched.
mime_db() {
  if ! out=$(PKGSYSTEM_ENABLE_FSYNC=0 "$update_mime" "$@" 2>&1); then
    echo "$out" >&2
    return 1
  fi
}
mime_db "$prefix/share/mime" || fail "update-mime-database rejected the MIME package"
merged="$prefix-mime/share/mime"
mkdir -p "$merged/packages"
cp -p /usr/share/mime/packages/*.xml "$prefix/share/mime/packages/torvane-edit.xml" "$merged/packages/"
mime_db -n "$merged" || fail "update-mime-database could not merge the MIME package with the system's"

[ "$failures" -eq 0 ] || exit 1
echo "installed tree in $prefix is complete and valid"
