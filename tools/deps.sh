# Sourced by tools/start and tools/test: installs the Debian packages that are missing.
# As root through apt-get; otherwise prints the line to run and stops.
tafomat_need() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

TAFOMAT_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation libgtest-dev libgmock-dev googletest libbenchmark-dev)
# The German texts of Qt's standard dialogs and buttons, which the window loads at start.
TAFOMAT_BUILD_PACKAGES+=(qt6-translations-l10n)
