#!/usr/bin/env bash
# Debian's package checker finds no error and no warning in the package in
# the folder given. Its informational tags are printed, not failed on; those
# the package keeps on purpose:
#   package-contains-documentation-outside-usr-share-doc: the manual is the
#     program's data, read by its help window from /usr/share/zuvelo/manual;
#     /usr/share/doc may be left out of an installation (dpkg path-exclude).
#   binary-has-unneeded-section: CPack strips the program as binutils' strip
#     does by default, which keeps the .comment section.
set -euo pipefail
folder=${1:?usage: LintianCheck.sh <folder with zuvelo_*.deb>}
shopt -s nullglob
packages=("$folder"/zuvelo_*_amd64.deb)
if [ ${#packages[@]} -ne 1 ]; then
  echo "expected one package in $folder, found ${#packages[@]}"
  exit 1
fi
lintian --display-info --fail-on error,warning "${packages[0]}"
echo "lintian: no error and no warning in $(basename "${packages[0]}")"
