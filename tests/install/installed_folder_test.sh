#!/usr/bin/env bash
# Installs the build into a fresh prefix as a user would, checks the desktop entries and
# the AppStream metainfo with the desktop's own validators, runs the installed programs
# from there, and runs them again as a user who cannot write the installed folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT
chmod 755 "$prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null
folder="$prefix/lib/vendrel"

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

# The program folder holds what the programs need; bin/ links to the programs.
for part in vendrel vendrelsdk vendrel-cli libgradomat.so libvendrel_pictures.so \
            designer/libgradomat_designer.so itemdata.ini gundata.ini npcdata.ini; do
  [ -e "$folder/$part" ] || { echo "the installed folder lacks $part"; exit 1; }
done
ls "$folder"/rooms/*.rgr > /dev/null
for program in vendrel vendrelsdk vendrel-cli; do
  [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$folder/$program")" ] ||
    { echo "bin/$program does not lead to the installed program"; exit 1; }
done
cd /
PATH="$prefix/bin:$PATH" vendrel-cli generate --seed 1 --size 5 > /dev/null
"$folder/vendrel-cli" check "$folder/level1.vmf" > /dev/null
"$folder/vendrel-cli" preview "$folder/level1.vmf" "$folder/level1.png" > /dev/null
[ -s "$folder/level1.png" ]

# A folder the user cannot write: as root, run as nobody; otherwise take the write bit.
rm -f "$folder"/level1.* "$folder"/*.log
home=$(mktemp -d)
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix" "$home"' EXIT
chmod 777 "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$folder"
fi
before=$(cd "$folder" && find . -type f -exec md5sum {} + | sort)
run() { "${as_user[@]}" env HOME="$home" XDG_DATA_HOME="$1" "$folder/vendrel-cli" "${@:2}"; }
run "$home/data" generate --seed 1 --size 5 > /dev/null 2> "$home/said"
grep -qF "$folder cannot be written; logs, levels and room files go to $home/data/vendrel" "$home/said" ||
  { echo "vendrel-cli did not say where it writes:"; cat "$home/said"; exit 1; }
[ -s "$home/data/vendrel/level1.vmf" ] || { echo "no level in the user's folder"; exit 1; }
ls "$home/data/vendrel/rooms"/*.rgr > /dev/null
# Nowhere to write at all: a clear refusal, not a run without rooms.
status=0
run "$folder/nowhere" generate --seed 1 --size 5 > /dev/null 2> "$home/said" || status=$?
[ "$status" -ne 0 ] || { echo "a run with nowhere to write succeeded"; exit 1; }
grep -qF "logs, levels and room files have nowhere to go" "$home/said" ||
  { echo "vendrel-cli did not say it has nowhere to write:"; cat "$home/said"; exit 1; }
after=$(cd "$folder" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || { echo "the installed folder changed"; exit 1; }
echo "installed and ran from $prefix"
