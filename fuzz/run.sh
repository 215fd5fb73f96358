#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer, coverage over
# every library they use) and runs each for a while.
# usage: fuzz/run.sh [SECONDS] [TARGET...]   (default 60 s, every target; `fuzz/run.sh list` names them)
# Every target runs even when an earlier one found something; the script then exits non-zero.
# An input that crashed a target, broke one of its checks, leaked or took too long is kept in
# build-fuzz/findings/; what the fuzzer learned is kept in build-fuzz/learned/TARGET/ and used
# again by the next run. FUZZ_FLAGS adds libFuzzer options (e.g. FUZZ_FLAGS=-jobs=2).
set -euo pipefail
cd "$(dirname "$0")/.."

all=(xml hid_descriptor profile profile_table macro_library macro_text statistics language_choice
     program_settings update_description backup instance_message simulated_mouse)
if [ "${1:-}" = list ]; then
    printf '%s\n' "${all[@]}"
    exit 0
fi
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
for t in "${targets[@]}"; do
    [[ " ${all[*]} " == *" $t "* ]] || { echo "fuzz: no target named $t (fuzz/run.sh list)" >&2; exit 2; }
done

# Per target: the longest input and the dictionary.
declare -A max_len=([xml]=65536 [hid_descriptor]=4096 [profile]=24000 [profile_table]=8200
    [macro_library]=16416 [macro_text]=8192 [statistics]=64 [language_choice]=16
    [program_settings]=4096 [update_description]=8192 [backup]=8192 [instance_message]=256
    [simulated_mouse]=16384)
declare -A dict=([xml]=xml.dict [macro_text]=macro_text.dict [simulated_mouse]=simulated_mouse.dict
    [program_settings]=ini.dict [update_description]=update.dict)

out=build-fuzz
build=$out/cmake
mkdir -p "$out/findings"
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZ408_SANITIZE=address -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
        -DZ408_BUILD_FUZZERS=ON -DZ408_BUILD_TESTS=OFF -DZ408_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" --target z408_seedgen "${targets[@]/%/_fuzzer}"

# The files the program ships, as its build makes them, seed the targets that read them.
shipped=$out/shipped
rm -rf "$shipped" "$out/seeds"
ASAN_OPTIONS=detect_leaks=0 "$build/tools/z408_seedgen" "$shipped" >/dev/null
seeds() {
    mkdir -p "$out/seeds/$1"
    echo "$out/seeds/$1"
}
cp "$shipped/Profile/Profile1.cfg" "$(seeds profile)/"
{ printf '\x1f'; cat "$shipped/Profile/ConfigInfo.cfg"; } >"$(seeds profile_table)/shipped.cfg"
head -c 16416 "$shipped/Macro.cfg" >"$(seeds macro_library)/shipped.cfg"
cp "$shipped/Sts.cfg" "$(seeds statistics)/"
cp "$shipped/Language.cfg" "$(seeds language_choice)/"
cp data/z408.ini data/skins/languagetype.ini "$(seeds program_settings)/"
cp data/Language/*.xml "$(seeds xml)/"
# The backup `z408ctl backup` writes of the shipped files (Macro.cfg cut to keep it small).
python3 - "$shipped" "$(seeds backup)/shipped.bin" <<'EOF'
import pathlib, struct, sys, zlib
root = pathlib.Path(sys.argv[1])
names = ["Language.cfg", "Sts.cfg", "Profile/ConfigInfo.cfg", "Profile/Profile1.cfg"]
out = b"Z408BKUP" + struct.pack("<II", 1, len(names))
for n in names:
    b = (root / n).read_bytes()
    out += struct.pack("<H", len(n)) + n.encode() + struct.pack("<I", len(b)) + b
pathlib.Path(sys.argv[2]).write_bytes(b"\0" + out + struct.pack("<I", zlib.crc32(out)))
EOF

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
    # The committed seeds stay as they are; what the fuzzer learns goes to its own folder.
    learned=$out/learned/$t
    mkdir -p "$learned"
    options=(-max_len="${max_len[$t]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
    [ -z "${dict[$t]:-}" ] || options+=(-dict="fuzz/${dict[$t]}")
    seed_dirs=(fuzz/corpus/"$t")
    [ ! -d "$out/seeds/$t" ] || seed_dirs+=("$out/seeds/$t")
    # shellcheck disable=SC2086
    if "$build/fuzz/${t}_fuzzer" "$learned" "${seed_dirs[@]}" -max_total_time="$seconds" \
        "${options[@]}" -artifact_prefix="$out/findings/${t}-" ${FUZZ_FLAGS:-} >"$out/$t.log" 2>&1; then
        done_line=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$out/$t.log" | tail -n 1 || true)
        echo "fuzz: ${t}_fuzzer ran ${seconds}s without findings: ${done_line}"
    else
        tail -n 40 "$out/$t.log"
        echo "fuzz: ${t}_fuzzer found a problem (input kept in $out/findings/)" >&2
        failed+=("$t")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in: ${failed[*]}" >&2
    exit 1
fi
