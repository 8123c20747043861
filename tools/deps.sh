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
