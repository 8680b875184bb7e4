#!/usr/bin/env bash
# Runs a fuzzer on a fresh work corpus, seeded read-only from SEEDS; libFuzzer
# writes new inputs into the first directory only.
# Usage: run-fuzz.sh FUZZER WORK_CORPUS SEEDS [LIBFUZZER_FLAGS...]
set -euo pipefail
fuzzer=$1 work=$2 seeds=$3
shift 3
rm -rf "$work" && mkdir -p "$work"
exec "$fuzzer" "$@" "$work" "$seeds"
