#!/usr/bin/env bash
# Installs the build into a fresh prefix as a user would, checks the desktop entries and
# the AppStream metainfo with the desktop's own validators, and runs the installed programs
# from there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

for entry in "$prefix"/share/applications/dev.vendrel.Vendrel.desktop \
             "$prefix"/share/applications/dev.vendrel.VendrelSdk.desktop; do
  desktop-file-validate "$entry"
  program=$(sed -n 's/^Exec=//p' "$entry")
  [ -x "$program" ] || { echo "$entry starts $program, which is not an installed program"; exit 1; }
done
for info in "$prefix"/share/metainfo/dev.vendrel.Vendrel.metainfo.xml \
            "$prefix"/share/metainfo/dev.vendrel.VendrelSdk.metainfo.xml; do
  appstreamcli validate --no-net "$info" > /dev/null
done
for icon in dev.vendrel.Vendrel dev.vendrel.VendrelSdk; do
  [ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "no icon $icon"; exit 1; }
done

# The installed folder holds what the programs need: they run from there, from anywhere.
for part in vendrel vendrelsdk vendrel-cli libgradomat.so libvendrel_pictures.so \
            designer/libgradomat_designer.so itemdata.ini gundata.ini npcdata.ini; do
  [ -e "$prefix/$part" ] || { echo "the installed folder lacks $part"; exit 1; }
done
ls "$prefix"/rooms/*.rgr > /dev/null
cd /
"$prefix/vendrel-cli" generate --seed 1 --size 5 > /dev/null
"$prefix/vendrel-cli" check "$prefix/level1.vmf" > /dev/null
"$prefix/vendrel-cli" preview "$prefix/level1.vmf" "$prefix/level1.png" > /dev/null
[ -s "$prefix/level1.png" ]
echo "installed and ran from $prefix"
