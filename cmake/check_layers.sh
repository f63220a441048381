#!/usr/bin/env bash
# The layers of the source tree, checked on the includes:
# - the core folders and the commands stay plain C++: no Qt and no curl header
#   (the CMake configuration also refuses a core target that links them);
# - the core folders never reach up into the commands, the windows, the
#   command-line tool or the Qt drawing back-ends.
set -eu
src="$1/src"
core="ports text loading session weather document catalogues net surface ema graph thermo sounding diagram ceilinghours sources tables printing settings"
status=0
for dir in $core app; do
    [ -d "$src/$dir" ] || continue
    hits=$(grep -rnE '#include *[<"](Q[A-Za-z0-9]+|qt[^>"]*|curl/[^>"]*)[>"]' "$src/$dir" \
           --include='*.h' --include='*.cpp' || true)
    if [ -n "$hits" ]; then
        echo "Qt or curl included in the core:"
        echo "$hits"
        status=1
    fi
done
for dir in $core; do
    [ -d "$src/$dir" ] || continue
    hits=$(grep -rnE '#include *"(app|ui|cli|render|adapters)/' "$src/$dir" \
           --include='*.h' --include='*.cpp' || true)
    if [ -n "$hits" ]; then
        echo "A core folder includes a layer above it:"
        echo "$hits"
        status=1
    fi
done
exit $status
