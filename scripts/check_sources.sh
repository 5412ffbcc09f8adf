#!/usr/bin/env bash
# Checks the sources with clang's tools where they are installed: the shape of every source file
# against .clang-format (a file out of it fails), and the checks of .clang-tidy on the sources of
# the change, read with the compile commands of the build given (default build-test). A finding
# fails, as does code clang cannot compile: the sources stand clear of them, so each new one is
# the change's own. The change is what the last commit brought (all that a merge brought) and whatever is
# not committed yet: on a clean checkout, the last commit. A header stands for its own source
# file beside it, or, with none compiled, for one source that includes it as the build's
# dependencies tell.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
status=0

if command -v clang-format >/dev/null; then
  # Test data keep their own bytes; only the project's sources are held to the format.
  git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' ':!:*/data/*' |
    while IFS= read -r -d '' f; do if [ -f "$f" ]; then printf '%s\0' "$f"; fi; done |
    xargs -0 clang-format --dry-run -Werror || {
    echo "check_sources: run clang-format -i on the files above" >&2
    status=1
  }
else
  echo "check_sources: clang-format is not installed; the format is not checked" >&2
fi

# Only what the build compiles (the fuzz harnesses are clang's own build).
compiled() { grep -qF "\"file\": \"$PWD/$1\"" "$build/compile_commands.json"; }

if command -v clang-tidy >/dev/null && [ -f "$build/compile_commands.json" ]; then
  changed=$({
    git diff --name-only HEAD~1 HEAD 2>/dev/null || echo "check_sources: no commit before this one" >&2
    git diff --name-only HEAD
    git ls-files --others --exclude-standard
  } | sort -u)
  files=()
  headers=()
  filter=$(clang-tidy --dump-config | sed -n "s/^HeaderFilterRegex: *'\(.*\)'$/\1/p")
  for f in $changed; do
    [ -f "$f" ] || continue
    case "$f" in
      *.h)
        # A changed header outside the folders the filter names (a test's fixture) is reported too.
        filter="$filter|/${f//./\\.}\$"
        if compiled "${f%.h}.cpp"; then f=${f%.h}.cpp; else headers+=("$f"); continue; fi
        ;;
      *.cpp) ;;
      *) continue ;;
    esac
    compiled "$f" && files+=("$f")
  done
  if [ ${#headers[@]} -gt 0 ]; then
    # The build lists each object's source first, then all it includes, by paths from the build
    # folder; of the sources that include the header, the one with the fewest includes is the
    # quickest to read.
    while read -r h source; do
      if [ -z "$source" ]; then
        echo "check_sources: no source of $build includes $h; clang-tidy does not read it" >&2
        continue
      fi
      files+=("$source")
    done < <(ninja -C "$build" -t deps | awk -v root="$(realpath --relative-to="$build" .)/" '
      BEGIN { for (i = 1; i < ARGC; i++) wanted[root ARGV[i]] = ARGV[i]; ARGC = 1 }
      /^[^ ]/ { source = ""; size = $3 + 0; next }
      source == "" && NF { source = substr($1, length(root) + 1); next }
      ($1 in wanted) && (!($1 in least) || size < least[$1]) { best[$1] = source; least[$1] = size }
      END { for (h in wanted) print wanted[h], best[h] }' "${headers[@]}")
  fi
  if [ ${#files[@]} -gt 0 ]; then
    printf '%s\n' "${files[@]}" | sort -u |
      xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
        --header-filter="$filter" 2>/dev/null || {
      echo "check_sources: clang-tidy found faults in the sources above, or could not read them" >&2
      status=1
    }
  fi
else
  echo "check_sources: clang-tidy or $build/compile_commands.json is missing; the checks do not run" >&2
fi
exit $status
