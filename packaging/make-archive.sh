#!/usr/bin/env bash
# Packs the staged tree (packaging/stage.sh) into the portable archive: vela-VERSION/ with the tree's usr/ as files/,
# install.sh and a README.
# Usage: make-archive.sh TREE ARCHIVE.tar.gz
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tree="$1"
archive="$(realpath -m "$2")"
name="$(basename "$archive" .tar.gz)"
name="${name%-linux-*}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir "$work/$name"
cp -R "$tree/usr" "$work/$name/files"
install -m 755 "$here/install.sh" "$work/$name/install.sh"
install -m 644 "$here/archive-README.txt" "$work/$name/README"
tar -C "$work" --owner=0 --group=0 --sort=name -czf "$archive" "$name"
echo "$archive"
