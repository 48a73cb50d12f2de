#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) over the project's own sources, with
# every finding an error. The compilation database comes from the `tidy`
# preset, configured here; GoogleTest and other code outside fraction/, demo/,
# tests/ and fuzz/ is left alone. Usage: tools/run-clang-tidy.sh [-j N]
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=2
if [[ "${1:-}" == "-j" && -n "${2:-}" ]]; then
  jobs=$2
fi

cmake --preset tidy >/dev/null
build=build/tidy

# The translation units of the database that are the project's own.
mapfile -t files < <(python3 - "$build/compile_commands.json" "$PWD" <<'PY'
import json, os, sys
database, root = sys.argv[1], sys.argv[2]
own = tuple(os.path.join(root, d) + os.sep for d in ("fraction", "demo", "tests", "fuzz"))
files = {os.path.normpath(os.path.join(e["directory"], e["file"])) for e in json.load(open(database))}
print("\n".join(sorted(f for f in files if f.startswith(own))))
PY
)
if ((${#files[@]} == 0)); then
  echo "run-clang-tidy: no sources found in $build/compile_commands.json" >&2
  exit 1
fi

echo "clang-tidy: ${#files[@]} files"
# Each run's count of "N warnings generated" (nearly all of them in headers
# outside the filter) is noise; xargs fails when any clang-tidy run does.
set +o pipefail
printf '%s\0' "${files[@]}" |
  xargs -0 -n 1 -P "$jobs" clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>&1 |
  { grep -Ev '^[0-9]+ (warning|error)s? (and [0-9]+ errors? )?generated\.$' || true; }
status=${PIPESTATUS[1]}
if ((status != 0)); then
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: no findings"
