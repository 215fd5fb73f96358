#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Adds the SPDX copyright and licence header to every tracked source file that has none, in the
# comment style of its kind, after a "#!" line or an XML declaration. Files that cannot carry a
# comment (data files, fixtures, generated-format templates) are covered by .reuse/dep5 instead.
# Safe to run again: a file that names a licence already is left as it is.
#   scripts/add_spdx_headers.sh            # the whole tree
#   scripts/add_spdx_headers.sh FILE...    # only these files
set -euo pipefail
cd "$(dirname "$0")/.."

holder="${SPDX_COPYRIGHT:-2026 The Z408 configurator developers}"
licence="GPL-2.0-or-later"

# The comment opener (and closer) for a file, or nothing when it gets no header.
style() {
    case "$1" in
        LICENSES/* | .reuse/*) ;;
        # Data read byte for byte, fixtures and templates: covered by .reuse/dep5.
        *.ini | *.xml | *.bin | *.dict | fuzz/corpus/* | tests/data/* | packaging/*.in) ;;
        *.cpp | *.h | *.h.in) echo "//" ;;
        *.1.in) echo '.\"' ;;
        *.xml.in) echo "<!--|-->" ;;
        *.md) echo "<!--|-->" ;;
        *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.txt | *.supp | *.rules | \
            *.desktop | *.bash-completion | .gitignore | .clang-format | */.gitignore | \
            packaging/postinst | packaging/postrm | packaging/lintian-overrides | run | test | \
            .ci/run)
            echo "#" ;;
        *)
            # Any other script with a shell or Python interpreter line.
            if head -c 2 "$1" | grep -q '^#!'; then echo "#"; fi ;;
    esac
}

# REUSE-IgnoreStart (the lines below write headers; they are not this file's own)
annotate() {
    local file=$1 comment open close
    comment=$(style "$file")
    [ -n "$comment" ] || return 0
    # A header sits in the first lines; further down the text may only speak of one.
    head -n 5 "$file" | grep -q "SPDX-License-Identifier:" && return 0
    # The AppStream metadata is under a permissive licence, as software centres require.
    local licence=$licence
    [[ $file == *.metainfo.xml.in ]] && licence="FSFAP"
    open=${comment%%|*}
    close=""
    [[ $comment == *"|"* ]] && close=" ${comment#*|}"
    local header
    if [ -n "$close" ]; then
        header="$open SPDX-FileCopyrightText: $holder$close
$open SPDX-License-Identifier: $licence$close"
    else
        header="$open SPDX-FileCopyrightText: $holder
$open SPDX-License-Identifier: $licence"
    fi
    # After an interpreter line or an XML declaration, which must stay first; a blank line keeps
    # the header apart from the file's own first comment. The file keeps its mode.
    local tmp
    tmp=$(mktemp "$file.XXXXXX")
    # (Passed through the environment: awk -v would eat the backslash of the roff comment.)
    HEADER="$header" OPEN="$open" awk '
        BEGIN { header = ENVIRON["HEADER"]; gap = (ENVIRON["OPEN"] != ".\\\"") }
        NR == 1 && (/^#!/ || /^<\?xml/) { print; print header; if (ENVIRON["OPEN"] == "#") print ""; next }
        NR == 1 { print header; if (gap) print "" }
        { print }
        END { if (NR == 0) print header }
    ' "$file" >"$tmp"
    chmod --reference="$file" "$tmp"
    mv "$tmp" "$file"
    echo "header: $file"
}
# REUSE-IgnoreEnd

if (($#)); then
    for f in "$@"; do annotate "$f"; done
else
    git ls-files -z | while IFS= read -r -d '' f; do
        [ -f "$f" ] && annotate "$f"
    done
fi
