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
# PHP with GD, the judge of the generated scripts; wrk measures the bundle served by PHP's own
# web server (bench/php-server.sh).
TAFOMAT_TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev php-cli php-gd faketime
    wrk)

# What making and checking the Debian package needs (tools/package-test).
TAFOMAT_PACKAGE_PACKAGES=(dpkg-dev lintian appstream desktop-file-utils librsvg2-bin binutils
    groff-base)

# PHP 7.4 and 8.0 to 8.5 under Node, for the test that runs generated scripts on every version:
# the npm packages of tools/php-versions, installed into its node_modules (not in git) whenever
# the lock file changed. Node and npm come from Debian unless the machine has them.
tafomat_php_versionen() {
    command -v node >/dev/null && command -v npm >/dev/null || tafomat_need nodejs npm
    local ordner=tools/php-versions
    cmp -s "$ordner/package-lock.json" "$ordner/node_modules/.tafomat-lock" && return 0
    echo "Installing PHP 7.4 to 8.5 under Node into $ordner/node_modules"
    (cd "$ordner" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$ordner/package-lock.json" "$ordner/node_modules/.tafomat-lock"
}
