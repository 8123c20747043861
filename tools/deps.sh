# Sourced by the tools: installs the Debian packages that are missing.
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

# What building and running the program need (tools/start): Qt for the window, libgd, FreeType
# and fontconfig for text as the server's GD draws it. The preview asks for Arial, which
# fontconfig finds as Liberation Sans.
TAFOMAT_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    libgd-dev libfreetype-dev libfontconfig-dev fonts-liberation)
# The German texts of Qt's standard dialogs and buttons, which the window loads at start.
TAFOMAT_BUILD_PACKAGES+=(qt6-translations-l10n)

# What the tests and benchmarks need besides (tools/test): GoogleTest, Google Benchmark and
# PHP with GD, the judge of the generated scripts.
TAFOMAT_TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev php-cli php-gd)

# What making and checking the Debian package needs (tools/package-test).
TAFOMAT_PACKAGE_PACKAGES=(dpkg-dev lintian appstream desktop-file-utils librsvg2-bin binutils
    groff-base)
