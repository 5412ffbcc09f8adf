#!/usr/bin/env bash
# Compares what two builds of the bench tools write, byte for byte: the bench trees of 2 000 and
# 100 000 persons, each saved again, exported as GEDCOM and as the web site, and imported back
# from that GEDCOM; the shared GEDCOM files and a big one made of royal92.ged, imported and saved.
#   bench/compare_outputs.sh OLD_BIN NEW_BIN
# Each folder holds the tools of a release build (build-release/bench/). One line per comparison;
# any difference fails. A developer's tool, not a feature of the program.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 OLD_BIN NEW_BIN" >&2
  exit 2
fi
declare -A bin=([old]=$(realpath "$1") [new]=$(realpath "$2"))
gedcoms=$(realpath "$(dirname "$0")/../../shared/gedcom")
"$(dirname "$0")/../scripts/deps.sh" faketime
clock='2026-01-01 12:00:00'
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/old" "$tmp/new" "$tmp/in"
status=0

# compare NAME [INPUT...] -- TOOL ARG...: runs each build's TOOL in the same work folder, as the
# tools write their own paths into what they make, on copies of the inputs, keeps all that is in
# the folder afterwards as NAME and compares the two. The clock stands still, since a person made
# or imported is stamped with the time, and the home folder (where the program keeps its own
# files) is a fresh one in the work folder.
compare() {
  local name=$1 inputs=() side
  shift
  while [ "$1" != -- ]; do inputs+=("$1"); shift; done
  shift
  for side in old new; do
    mkdir "$tmp/work"
    if [ ${#inputs[@]} -gt 0 ]; then cp -r "${inputs[@]}" "$tmp/work/"; fi
    mkdir "$tmp/work/home"
    (cd "$tmp/work" && env -u XDG_DATA_HOME HOME="$tmp/work/home" faketime --exclude-monotonic -f "$clock" \
      "${bin[$side]}/$1" "${@:2}" >/dev/null) || {
      echo "FAILED     $name: the $side $1"
      exit 1
    }
    mv "$tmp/work" "$tmp/$side/$name"
  done
  if diff -rq "$tmp/old/$name" "$tmp/new/$name" >"$tmp/diff"; then
    echo "same       $name"
  else
    echo "DIFFERENT  $name: $(head -3 "$tmp/diff" | sed "s|$tmp/||g" | tr '\n' ' ')"
    status=1
  fi
}

for persons in 2000 100000; do
  t=tree-$persons
  compare "$t" -- make_tree_file "$persons" tree.rod 7
  # The old build's tree, with its companion folder, is what both builds read from here on.
  tree=("$tmp/old/$t/tree.rod" "$tmp/old/$t/tree")
  compare "$t-saved" "${tree[@]}" -- tree_roundtrip tree.rod saved.rod
  compare "$t-gedcom" "${tree[@]}" -- gedcom_export tree.rod tree.ged
  compare "$t-web" "${tree[@]}" -- web_export tree.rod web
  rm -rf "$tmp"/{old,new}/"$t-web" # half a gigabyte each for the big tree
  compare "$t-gedcom-imported" "$tmp/old/$t-gedcom/tree.ged" -- gedcom_import tree.ged imported.rod
done

cp "$gedcoms"/*.ged "$tmp/in/"
for ged in "$tmp"/in/*.ged; do
  g=$(basename "$ged" .ged)
  compare "$g-imported" "$ged" -- gedcom_import "$g.ged" "$g.rod"
done
compare royal92-big "$tmp/in/royal92.ged" -- make_gedcom_file 100000 big.ged royal92.ged
compare royal92-big-imported "$tmp/old/royal92-big/big.ged" -- gedcom_import big.ged big.rod
exit $status
