#!/usr/bin/env bash
# Installs what the fuzz build needs beyond the usual packages: Debian's clang with libFuzzer.
set -euo pipefail
exec "$(cd "$(dirname "$0")" && pwd)/deps.sh" clang libclang-rt-14-dev
