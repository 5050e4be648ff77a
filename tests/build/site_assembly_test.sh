#!/usr/bin/env bash
# The site's assembly (web/make_site.cmake) twice into one folder, as two
# builds do: a page file the second build no longer has leaves the site and
# the service worker's list; the module, the lessons and the tracks stay.
#   tests/build/site_assembly_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source=$1 work=$2
rm -rf "$work" && mkdir -p "$work/page" "$work/site"
cp "$source/web/page/index.html" "$source/web/page/sw.js" "$work/page/"
echo "// a page file of the first build" > "$work/page/old_page.js"
touch "$work/site/qs9.js" "$work/site/qs9.wasm"
assemble() { # page files...
  local files=("${@/#/$work/page/}") IFS=';'
  cmake "-DFILES=${files[*]}" "-DLESSONS=$source/lessons/switching-on.qs9" "-DTRACKS=$source/tracks/leak.csv" \
        -DORDER="$source/lessons/README.md" \
        "-DMODULE=qs9.js;qs9.wasm" -DSITE="$work/site" -DSTAMP="$work/site.stamp" -P "$source/web/make_site.cmake"
}
fail() { echo "site assembly: $*" >&2; exit 1; }

assemble index.html sw.js old_page.js
[ -f "$work/site/old_page.js" ] || fail "the first build's page file is missing"
grep -q "'./old_page.js'" "$work/site/sw.js" || fail "the first service worker does not list old_page.js"
assemble index.html sw.js
[ ! -e "$work/site/old_page.js" ] || fail "old_page.js stayed in the site"
! grep -q old_page "$work/site/sw.js" || fail "the service worker still lists old_page.js"
for kept in index.html qs9.js qs9.wasm lessons.gz tracks.gz sw.js; do
  [ -f "$work/site/$kept" ] || fail "$kept left the site"
  [ "$kept" = sw.js ] || grep -q "'./$kept'" "$work/site/sw.js" || fail "the service worker does not list $kept"
done
echo "site assembly: a removed page file leaves the site and its list; the module, the lessons and the tracks stay"
