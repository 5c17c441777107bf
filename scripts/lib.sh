# Shared by scripts/run and scripts/test: install what is missing, configure and build.

# qt6-l10n-tools compiles the translations; qt6-translations-l10n holds Qt's own (its dialogs).
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev qt6-l10n-tools
          qt6-translations-l10n)

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]} ..."
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# configure <build dir> [extra cmake arguments...]
configure() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

# build <build dir> [extra cmake arguments...]: configures and builds every target.
build() {
    configure "$@"
    cmake --build "$1"
}

# The programs a user runs: the tool, the virtual controller, the firmware-update program and
# the conversion library.
PROGRAMS=(plc-config plc-sim plc-update plc-update-window conv)
