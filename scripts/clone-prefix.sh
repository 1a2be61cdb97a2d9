#!/usr/bin/env bash
# Copies a booted Wine prefix quickly: files are hard-linked, except the registry hives, which
# Wine rewrites in place. Wine never writes into its own system files, so the copy is as good as
# a freshly booted one.
#   clone-prefix.sh <from> <to>
set -euo pipefail
rm -rf "$2"
mkdir -p "$(dirname "$2")"
cp -al "$1" "$2"
for hive in "$1"/*.reg; do
  cp --remove-destination "$hive" "$2/"
done
