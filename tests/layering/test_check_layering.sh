#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# scripts/check_layering.py on small trees: an include going up or sideways is named with its
# file and line, an exception allows it, a stale exception and an undrawn folder fail, and a
# README without the drawing is unusable input rather than a pass.
#   test_check_layering.sh CHECKER
set -euo pipefail
checker=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect CODE TEXT: the checker exits with CODE and, unless TEXT is empty, says TEXT.
expect() {
    local code=0 out
    out=$(python3 "$checker" "$root" 2>&1) || code=$?
    [ "$code" = "$1" ] || fail "exit $code, wanted $1 (${3:-}): $out"
    if [ -n "$2" ] && ! grep -qF -- "$2" <<<"$out"; then fail "no '$2' in: $out"; fi
}

mkdir -p "$root/src/top" "$root/src/left" "$root/src/right" "$root/src/base" "$root/scripts"
cat >"$root/README.md" <<'MD'
# Fixture
<!-- layering -->
```
top/                 the program
left/  right/        two pieces side by side
base/                what all use
```
MD
echo '#pragma once' >"$root/src/base/base.h"
printf '#include "base/base.h"\n#include <vector>\n' >"$root/src/left/left.h"
printf '#include "right.h"\n#include "base/base.h"\n' >"$root/src/right/right.cpp"
printf '#include "left/left.h"\n#include "right/right.h"\n#include "top/top.h"\n' \
    >"$root/src/top/top.cpp"
expect 0 "" "downward, own and system includes"

printf '#pragma once\n\n#include "top/top.h"\n' >"$root/src/base/up.h"
expect 1 'src/base/up.h:3: includes "top/top.h": top/ is above base/' "upward include"
rm "$root/src/base/up.h"

printf '#include "right/right.h"\n' >"$root/src/left/side.cpp"
expect 1 'src/left/side.cpp:1: includes "right/right.h": right/ is on the same line as left/' \
    "sideways include"

echo 'src/left/side.cpp right/right.h the pieces are being separated' \
    >"$root/scripts/layering_exceptions.txt"
expect 0 "" "allowed exception"
rm "$root/src/left/side.cpp"
expect 1 'src/left/side.cpp no longer includes right/right.h' "stale exception"
rm "$root/scripts/layering_exceptions.txt"

mkdir "$root/src/extra"
expect 1 'src/extra/ is not in the README' "folder missing from the drawing"
rmdir "$root/src/extra"

sed -i '/<!-- layering -->/d' "$root/README.md"
expect 2 'no line' "README without the drawing"

[ "$failures" = 0 ] && echo "all layering checker cases pass"
exit $((failures > 0))
