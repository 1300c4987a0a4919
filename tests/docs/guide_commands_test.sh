#!/usr/bin/env bash
# Runs every command the guides show: each line of their ```sh blocks, one command a line,
# from a fresh copy of the program folder, in the order the guide gives them. $ACCOUNT is
# a stand-in account folder (compile tools and game that only note their call) and
# $VENDREL_SOURCES the source tree, the two names the guides say a reader replaces.
# Fails when a command exits non-zero, or when a guide shows no command at all.
set -uo pipefail
app=$1 stand_in=$2 sources=$3
shift 3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# The lines of the ```sh blocks, without blank lines and comments.
commands_of() {
  awk '/^```sh[[:space:]]*$/ { inside = 1; next }
       /^```/ { inside = 0; next }
       inside && !/^[[:space:]]*(#|$)/ { print }' "$1"
}

for guide in "$@"; do
  name=$(basename "$guide" .md)
  if grep -qE '^```(bash|shell|console|zsh)' "$guide"; then
    echo "$guide: a command block must be \`\`\`sh (run by this test) or \`\`\`text (shown only)"
    failures=$((failures + 1))
  fi
  mapfile -t commands < <(commands_of "$guide")
  if [ "${#commands[@]}" -eq 0 ]; then
    echo "$guide shows no command in a \`\`\`sh block"
    failures=$((failures + 1))
    continue
  fi

  # Each guide starts from the program folder as the build leaves it, and a home of its own.
  work="$scratch/$name"
  mkdir -p "$work/home"
  cp -a "$app" "$work/app"
  if ! account=$("$stand_in" "$work/stand-in"); then
    echo "the stand-in account could not be laid out"
    exit 1
  fi
  for command in "${commands[@]}"; do
    echo "== $name: $command"
    (cd "$work/app" &&
     env HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" WINEPREFIX="$work/home/.wine" \
         ACCOUNT="$account" VENDREL_SOURCES="$sources" bash -c "$command" < /dev/null)
    status=$?
    if [ "$status" -ne 0 ]; then
      echo "!! $guide: exit status $status: $command"
      failures=$((failures + 1))
    fi
  done
  echo "$guide: ${#commands[@]} commands run"
done

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
