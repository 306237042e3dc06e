# Shared by scripts/run and scripts/test: installs what the build needs from
# Debian's packages (only when something is missing) and builds the project.
set -euo pipefail

QUILLMOOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUILLMOOR_BUILD=${QUILLMOOR_BUILD:-$QUILLMOOR_ROOT/build}

quillmoor_packages=(build-essential cmake pkg-config qt6-base-dev fonts-dejavu-core fonts-dejavu-extra)

quillmoor_install_packages() {
    local wanted=("${quillmoor_packages[@]}" "$@") missing=() pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
        sudo=sudo
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

quillmoor_build() {
    cmake -S "$QUILLMOOR_ROOT" -B "$QUILLMOOR_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$QUILLMOOR_BUILD" -j"$(nproc)"
}
