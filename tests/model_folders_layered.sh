#!/bin/sh
# The model's folders keep to their uses: no control kind or form calls reading aloud
# (only the program that owns the speech service includes it), and the view, the
# assistive-technology and the speech folders include nothing from one another beyond
# what their READMEs allow.
cd "$1" || exit 2
status=0
check() {
  found=$(grep -rnE "#include \"forms/($2)/" $1 2>/dev/null)
  if [ -n "$found" ]; then
    echo "$1 may not include forms/$2/:"
    echo "$found"
    status=1
  fi
}
for f in forms/*.h forms/*.cpp; do
  case "$f" in forms/program.*) ;; *) check "$f" speech ;; esac
done
check forms/view 'speech|accessible'
check forms/accessible 'speech|view'
check forms/speech accessible
exit $status
