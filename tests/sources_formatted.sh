#!/bin/sh
# Every C++ source follows .clang-format. Prints the first places that do not and the
# command that mends them.
cd "$1" || exit 2
files=$(find app bench exercises forms packaging practice record school shell tests \
          -name '*.cpp' -o -name '*.h' | sort)
out=$(clang-format --dry-run $files 2>&1)
if [ -n "$out" ]; then
  echo "$out" | grep 'warning:' | head -20
  echo "$(echo "$out" | grep -c 'warning:') places differ from .clang-format; mend with:"
  echo "  clang-format -i \$(git ls-files '*.cpp' '*.h')"
  exit 1
fi
