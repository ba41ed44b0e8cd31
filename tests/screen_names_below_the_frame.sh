#!/bin/sh
# The form model and the record sit below the screens: they never name one. The one
# exception is the record's table of exercises, whose keys are what every stored answer
# carries.
cd "$1" || exit 2
found=$(grep -rnE '\bfrm[A-Za-z0-9_]+|\bMDIForm2\b' forms record | grep -v '^record/exercises\.cpp:')
if [ -n "$found" ]; then
  echo "A screen is named below the frame:"
  echo "$found"
  exit 1
fi
