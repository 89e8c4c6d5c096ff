#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer (ASan + UBSan) and runs each for SECONDS
# (default 60) on its corpus under tests/fuzz/corpus/; naming targets runs only those. New inputs
# go to a scratch folder, so the corpora in the repository stay small; a crash, hang or leak
# leaves its input in build-fuzz/ as crash-*, timeout-* or leak-*. The time-out is wall-clock time
# (FUZZ_TIMEOUT seconds, default 1): on a busy machine raise it, and rerun what it keeps alone.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
out="$root_dir/build-fuzz"
if [[ ! -f "$out/build.ninja" ]]; then
    CC=clang CXX=clang++ cmake -S "$root_dir" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DFORTWRIGHT_FUZZ=ON -DFORTWRIGHT_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$out" --target fuzz_targets

targets=("$@")
if ((${#targets[@]} == 0)); then
    for corpus in "$root_dir"/tests/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
# The targets write their inputs to files; on a memory-backed folder a save's sync costs nothing.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
failed=()
for target in "${targets[@]}"; do
    scratch="$out/corpus/$target"
    mkdir -p "$scratch"
    echo "== $target for $seconds s"
    (cd "$out" && "./fuzz/$target" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-1}" \
        -rss_limit_mb=2048 -print_final_stats=1 "$scratch" "$root_dir/tests/fuzz/corpus/$target") \
        || failed+=("$target")
done
if ((${#failed[@]})); then
    echo "== failed: ${failed[*]}" >&2
    exit 1
fi
