#!/usr/bin/env bash
# fuzz/run.sh [SECONDS]: builds the session fuzzer (clang, build-fuzz/) when
# needed and runs it for SECONDS, 60 by default.
#
# The corpus lives in build-fuzz/corpus and grows from run to run; every run
# also starts from the scenarios of tests/scenarios/ and the sessions of
# fuzz/seeds/. With FUZZ_SEED=N (as `make test` runs it) the run is repeatable:
# libFuzzer's random seed is N, the corpus is made afresh from those seeds alone,
# in build-fuzz/corpus-seed-N, and the run stops after FUZZ_RUNS sessions (6000
# by default, about 45 s here), so every machine tries the same sessions;
# SECONDS is then only a ceiling. SELBRIN_WERROR=ON builds with warnings as
# errors, as CI does. A session that breaks the form is saved under build-fuzz/found/;
# it is a script, so `build/bin/selbrin-replay FILE` plays it again, and
# `build-fuzz/bin/selbrin-fuzz FILE` shows what broke.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/require-tool.sh clang++ clang || exit 1
werror=${SELBRIN_WERROR:-OFF}
if ! [ build-fuzz/CMakeCache.txt -nt CMakePresets.json ] ||
  ! grep -qx "SELBRIN_WERROR:BOOL=$werror" build-fuzz/CMakeCache.txt; then
  cmake --preset fuzz -DSELBRIN_WERROR="$werror" >/dev/null
fi
cmake --build --preset fuzz -j "${JOBS:-2}"

corpus=build-fuzz/corpus
seed_options=()
if [ -n "${FUZZ_SEED:-}" ]; then
  corpus=build-fuzz/corpus-seed-$FUZZ_SEED
  rm -rf "$corpus"
  seed_options=(-seed="$FUZZ_SEED" -runs="${FUZZ_RUNS:-6000}")
fi
rm -rf build-fuzz/seeds
mkdir -p "$corpus" build-fuzz/seeds build-fuzz/found
cp tests/scenarios/*.txt fuzz/seeds/*.txt build-fuzz/seeds/

echo "fuzz: playing random sessions for ${seconds} s at most${FUZZ_SEED:+, seed $FUZZ_SEED, ${FUZZ_RUNS:-6000} sessions} (log: build-fuzz/fuzz.log)"
status=0
build-fuzz/bin/selbrin-fuzz "$corpus" build-fuzz/seeds "${seed_options[@]}" \
  -dict=fuzz/session.dict -max_total_time="$seconds" -max_len=8192 -use_value_profile=1 \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/found/ \
  >build-fuzz/fuzz.log 2>&1 || status=$?

if [ "$status" -ne 0 ]; then
  tail -n 60 build-fuzz/fuzz.log
  echo "fuzz: a session broke the form; it is saved in build-fuzz/found/ (play it with build/bin/selbrin-replay FILE)"
  exit 1
fi
grep -E '^#[0-9]+.*DONE|^stat::number_of_executed_units|^stat::peak_rss_mb' build-fuzz/fuzz.log || true

# The drive file's reader, from the drives of fuzz/drive-seeds/, for a tenth of
# the time (FUZZ_DRIVE_RUNS inputs, 3000 by default, in a repeatable run).
drive_corpus=build-fuzz/drive-corpus
drive_options=()
if [ -n "${FUZZ_SEED:-}" ]; then
  drive_corpus=build-fuzz/drive-corpus-seed-$FUZZ_SEED
  rm -rf "$drive_corpus"
  drive_options=(-seed="$FUZZ_SEED" -runs="${FUZZ_DRIVE_RUNS:-3000}")
fi
mkdir -p "$drive_corpus"
echo "fuzz: reading random drive files (log: build-fuzz/drive-fuzz.log)"
build-fuzz/bin/selbrin-drive-fuzz "$drive_corpus" fuzz/drive-seeds "${drive_options[@]}" \
  -max_total_time=$((seconds / 10 + 1)) -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/found/ >build-fuzz/drive-fuzz.log 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 build-fuzz/drive-fuzz.log
  echo "fuzz: a file broke the drive reader; it is saved in build-fuzz/found/ (build-fuzz/bin/selbrin-drive-fuzz FILE shows how)"
  exit 1
fi
grep -E '^stat::number_of_executed_units' build-fuzz/drive-fuzz.log || true
echo "fuzz: nothing found"
