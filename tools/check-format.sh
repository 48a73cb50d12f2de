#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format (.clang-format)
# would make of it. To fix: tools/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -d '' -t files < <(git ls-files -z -- '*.cpp' '*.cc' '*.h' '*.hpp')
if ((${#files[@]} == 0)); then
  echo "check-format: no C++ files tracked" >&2
  exit 1
fi
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i -- "${files[@]}"
  echo "clang-format: ${#files[@]} files formatted"
else
  clang-format --dry-run --Werror -- "${files[@]}"
  echo "clang-format: ${#files[@]} files, no drift"
fi
