# Shared by scripts/run and scripts/test: installs what the build needs from
# Debian's packages (only when something is missing) and builds the project.
set -euo pipefail

QUILLMOOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUILLMOOR_BUILD=${QUILLMOOR_BUILD:-$QUILLMOOR_ROOT/build}

# qt6-wayland lets the program open its window in a Wayland-only session;
# qt6-translations-l10n gives the toolkit's own dialogs the interface language. The music plays
# through Qt Multimedia's GStreamer backend; MIDI needs FluidSynth (in plugins-bad) and a
# General MIDI sound font. The journal keeps its index in SQLite through Qt's driver and
# draws its statistics with Qt Charts.
quillmoor_packages=(build-essential cmake pkg-config qt6-base-dev qt6-wayland fonts-dejavu-core
    fonts-dejavu-extra zlib1g-dev libjpeg-dev libfontconfig-dev qt6-translations-l10n qt6-multimedia-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
    timgm6mb-soundfont libqt6sql6-sqlite qt6-charts-dev)

# The command as it was given, for messages that say to run it again.
quillmoor_command="$0${*:+ $*}"

# Says how to install the missing packages as root, and stops.
quillmoor_root_install_hint() {
    local reason=$1
    shift
    echo "These Debian packages are missing: $*" >&2
    echo "$reason, so install them as root with:" >&2
    echo >&2
    echo "    su -c 'apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $*'" >&2
    echo >&2
    echo "and then run $quillmoor_command again as yourself." >&2
    exit 1
}

quillmoor_install_packages() {
    local wanted=("${quillmoor_packages[@]}" "$@") missing=() pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        # Running this whole script as root would leave a build folder that
        # only root can write; install the packages alone instead.
        command -v sudo >/dev/null ||
            quillmoor_root_install_hint "There is no sudo here" "${missing[@]}"
        echo "Installing Debian packages through sudo: ${missing[*]}"
        sudo -v || quillmoor_root_install_hint "sudo did not let $(id -un) install them" \
            "${missing[@]}"
        sudo=(sudo)
    else
        echo "Installing Debian packages: ${missing[*]}"
    fi
    # Through env, so that sudo keeps the setting that silences debconf's questions.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# Stops with a clear message when the build folder, or something in it, cannot
# be written by the current user, e.g. after an earlier run as root; CMake
# would otherwise fail with errors that do not say so.
quillmoor_check_build_folder() {
    local build=$QUILLMOOR_BUILD blocked=""
    if [ -e "$build" ]; then
        if [ ! -d "$build" ] || [ ! -w "$build" ]; then
            blocked=$build
        else
            blocked=$(find "$build" -maxdepth 3 ! -writable -print -quit 2>/dev/null || true)
        fi
    else
        [ -w "$(dirname "$build")" ] || blocked=$(dirname "$build")
    fi
    [ -z "$blocked" ] && return 0
    echo "The build folder $build cannot be written by $(id -un):" >&2
    echo "$blocked belongs to $(stat -c %U "$blocked" 2>/dev/null || echo 'someone else')," >&2
    echo "probably from an earlier run as root. Remove the folder, e.g. with" >&2
    echo >&2
    echo "    su -c 'rm -rf $build'" >&2
    echo >&2
    echo "or build elsewhere: QUILLMOOR_BUILD=\$HOME/quillmoor-build $0" >&2
    exit 1
}

# The clang configuration shared by scripts/fuzz and scripts/check: the code
# instrumented for libFuzzer and both sanitizers, warnings fatal.
quillmoor_fuzz_options=(-DQUILLMOOR_WERROR=ON -DQUILLMOOR_FUZZ=ON -DQUILLMOOR_BENCHMARKS=OFF)

# The sanitizers' settings for the suite and the fuzz targets: the first fault
# ends the run, leaks count, and the suppressions cover only leaks inside system
# libraries. clang 14's leak checker misreads the dynamic thread-local blocks
# of this glibc now and then (it then scans a wild range and crashes, failing a
# test that passed), so it does not track them.
quillmoor_sanitizer_env=(
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:intercept_tls_get_addr=0
    LSAN_OPTIONS=suppressions=$QUILLMOOR_ROOT/scripts/sanitizer-leaks.supp:print_suppressions=0
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
)

# Configures the build with the CMake options given and builds the targets
# listed in QUILLMOOR_TARGETS, or everything when it is empty.
quillmoor_build() {
    quillmoor_check_build_folder
    # ccache, where installed, makes a build in a fresh folder quick.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$QUILLMOOR_ROOT" -B "$QUILLMOOR_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${launcher[@]}" "$@" >/dev/null
    local targets=()
    for target in ${QUILLMOOR_TARGETS:-}; do
        targets+=(--target "$target")
    done
    cmake --build "$QUILLMOOR_BUILD" -j"$(nproc)" "${targets[@]}"
}
