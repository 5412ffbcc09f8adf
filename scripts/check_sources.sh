#!/usr/bin/env bash
# Checks the sources with clang's tools where they are installed: the shape of every source file
# against .clang-format (a file out of it fails), and the checks of .clang-tidy on the sources of
# the change, read with the compile commands of the build given (default build-test). A finding
# fails, as does code clang cannot compile: the sources stand clear of them, so each new one is
# the change's own. The change is what the last commit brought (all that a merge brought) and whatever is
# not committed yet: on a clean checkout, the last commit. A header stands for its own source
# file beside it.
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

if command -v clang-tidy >/dev/null && [ -f "$build/compile_commands.json" ]; then
  changed=$({
    git diff --name-only HEAD~1 HEAD 2>/dev/null || echo "check_sources: no commit before this one" >&2
    git diff --name-only HEAD
    git ls-files --others --exclude-standard
  } | sort -u)
  files=()
  for f in $changed; do
    case "$f" in
      *.h) f=${f%.h}.cpp ;;
      *.cpp) ;;
      *) continue ;;
    esac
    # Only what the build compiles (the fuzz harnesses are clang's own build).
    [ -f "$f" ] && grep -qF "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && files+=("$f")
  done
  if [ ${#files[@]} -gt 0 ]; then
    printf '%s\n' "${files[@]}" | sort -u |
      xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null || {
      echo "check_sources: clang-tidy found faults in the sources above, or could not read them" >&2
      status=1
    }
  fi
else
  echo "check_sources: clang-tidy or $build/compile_commands.json is missing; the checks do not run" >&2
fi
exit $status
