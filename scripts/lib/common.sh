# Shared by scripts/run, scripts/test and scripts/bench. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Installs what scripts/packages.txt lists and the machine lacks.
install_missing_packages() {
  local missing=()
  local package
  while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if [[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != "installed" ]]; then
      missing+=("$package")
    fi
  done < "$ROOT/scripts/packages.txt"
  if ((${#missing[@]} == 0)); then
    return
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds one preset of CMakePresets.json.
build_preset() {
  local preset="$1"
  (cd "$ROOT" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$JOBS")
}
