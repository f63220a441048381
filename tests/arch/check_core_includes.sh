#!/usr/bin/env bash
# The core folders must stay plain C++: no Qt and no curl header may appear in
# them. (The CMake configuration also refuses a core target that links them.)
set -eu
src="$1/src"
core="text session document catalogues net surface ema graph sounding sources tables settings app"
status=0
for dir in $core; do
    [ -d "$src/$dir" ] || continue
    # net/curl is the curl adapter; it is not part of the core.
    hits=$(grep -rnE '#include *[<"](Q[A-Za-z0-9]+|qt[^>"]*|curl/[^>"]*)[>"]' "$src/$dir" \
           --include='*.h' --include='*.cpp' | grep -v "^$src/net/curl/" || true)
    if [ -n "$hits" ]; then
        echo "Qt or curl included in the core:"
        echo "$hits"
        status=1
    fi
done
exit $status
