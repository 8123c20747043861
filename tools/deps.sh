# Sourced by the tools: the Debian packages each command needs, and installing the missing ones
# at once. As root through apt-get; otherwise it prints the one line to run and stops, before
# anything is built.

# The packages among the arguments that are not installed.
tafomat_missing() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

tafomat_need() {
    local missing
    mapfile -t missing < <(tafomat_missing "$@" | sort -u)
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
# and fontconfig for text as the server's GD draws it, libjpeg for the warnings about a damaged
# picture that the script heeds on the server, libraqm for the layout of a libgd built with it.
# The preview asks for Arial, which fontconfig finds as Liberation Sans.
TAFOMAT_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    libgd-dev libjpeg-dev libfreetype-dev libfontconfig-dev libraqm-dev fonts-liberation)
# The German texts of Qt's standard dialogs and buttons, which the window loads at start.
TAFOMAT_BUILD_PACKAGES+=(qt6-translations-l10n)
# Publishing and checking: libcurl (with libssh2 for SFTP) and OpenSSL's hash for host keys'
# fingerprints.
TAFOMAT_BUILD_PACKAGES+=(libcurl4-openssl-dev libssl-dev)
# The publish dialog keeps a password, when asked to, in the desktop's keyring.
TAFOMAT_BUILD_PACKAGES+=(qtkeychain-qt6-dev)

# What the tests and benchmarks need besides: GoogleTest, Google Benchmark, PHP with GD (the
# judge of the generated scripts), faketime for the server's clock, the DejaVu fonts that the
# render tests draw with, clang-format for the layout check, and wrk, which measures the bundle
# served by PHP's own web server (bench/php-server.sh). The bundle is served as hosts serve it,
# by Apache with Debian's mod_php and by nginx with php-fpm, each started by the test with a
# configuration of its own. The window probe (tests/probe) needs a virtual display, the
# keyboard and mouse, a window dump and the screen reader's view (AT-SPI on a D-Bus session).
TAFOMAT_TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev php-cli php-gd faketime
    fonts-dejavu-core clang-format wrk apache2 libapache2-mod-php8.2 nginx-light php8.2-fpm
    xvfb xdotool x11-apps dbus at-spi2-core python3-pyatspi)
# The servers that the publish suite uploads to: vsftpd for FTP and FTPS with a certificate made
# by openssl, OpenSSH's sshd for SFTP.
TAFOMAT_TEST_PACKAGES+=(vsftpd openssh-server openssl)
# The desktop's keyring for the publish dialog's password, on a session bus of the test's own:
# gnome-keyring's daemon, reached through libsecret, which QtKeychain loads when it runs.
TAFOMAT_TEST_PACKAGES+=(dbus gnome-keyring libsecret-1-0)

# The sanitizer and fuzz builds (tools/harden): clang with its runtime libraries.
TAFOMAT_HARDEN_PACKAGES=(clang-14 libclang-rt-14-dev)

# What making and checking the Debian package needs (tools/package-test).
TAFOMAT_PACKAGE_PACKAGES=(dpkg-dev lintian appstream desktop-file-utils librsvg2-bin binutils
    groff-base)

# What tools/php-bundled needs to build PHP with its bundled GD from Debian's php8.2 source.
TAFOMAT_BUNDLED_PACKAGES=(gcc make pkg-config xz-utils libfreetype-dev libjpeg-dev libpng-dev
    zlib1g-dev)

# What tools/gd-raqm needs to build libgd with libraqm from Debian's libgd2 source (dpkg-source
# applies Debian's patches).
TAFOMAT_RAQM_PACKAGES=(gcc make pkg-config dpkg-dev libraqm-dev libfreetype-dev libfontconfig-dev
    libjpeg-dev libpng-dev zlib1g-dev)

# Everything tools/test needs, in one list. Node and npm come from Debian only when the machine
# has no npm at all: a Node that is too old is replaced from the npm registry (see below).
tafomat_test_packages() {
    echo "${TAFOMAT_BUILD_PACKAGES[@]}" "${TAFOMAT_TEST_PACKAGES[@]}" \
        "${TAFOMAT_HARDEN_PACKAGES[@]}" "${TAFOMAT_PACKAGE_PACKAGES[@]}" \
        "${TAFOMAT_BUNDLED_PACKAGES[@]}" "${TAFOMAT_RAQM_PACKAGES[@]}" | tr ' ' '\n'
    command -v npm >/dev/null || printf '%s\n' nodejs npm
}

# tools/php-bundled and tools/gd-raqm download Debian's php8.2 and libgd2 sources and need a
# deb-src entry for them, which they make themselves as root. A user who is not root is told,
# together with the packages, before anything is built; returns 1 then.
tafomat_check_deb_src() {
    [ "$(id -u)" -eq 0 ] && return 0
    local cache=${XDG_CACHE_HOME:-$HOME/.cache}/tafomat
    [ -x "$cache/php-bundled/bin/php" ] && [ -f "$cache/gd-raqm/lib/libgd.so.3" ] && return 0
    apt-cache showsrc libgd2 2>/dev/null | grep -q '^Package: libgd2' && return 0
    echo "PHP with its bundled GD and libgd with libraqm are built from Debian's php8.2 and" >&2
    echo "libgd2 sources, which need a deb-src entry; tools/php-bundled makes it when run as" >&2
    echo "root once." >&2
    return 1
}

# PHP 7.4 and 8.0 to 8.5 under Node, for the test that runs generated scripts on every version:
# the npm packages of tools/php-versions, installed into its node_modules (not in git) whenever
# the lock file changed. Their engines field asks for a newer Node than Debian 12 has; then the
# optional package "node" of the same lock file brings a pinned Node from the npm registry, and
# the tests run on it.
tafomat_node_required() {
    sed -n 's/^ *"node": ">=\([0-9.]*\)".*/\1/p' tools/php-versions/package-lock.json | sort -V | tail -n 1
}

# Whether Node at the path (version v24.1.0 style) is at least the version given.
tafomat_node_enough() {
    local ist
    ist=$("$1" --version 2>/dev/null) || return 1
    printf '%s\n%s\n' "$2" "${ist#v}" | sort -V -C
}

tafomat_php_versionen() {
    local ordner=tools/php-versions
    local noetig eigenes=$ordner/node_modules/.bin/node art=system
    noetig=$(tafomat_node_required)
    tafomat_node_enough "$(command -v node)" "$noetig" || art=eigenes
    if ! cmp -s <(cat "$ordner/package-lock.json"; echo "$art") "$ordner/node_modules/.tafomat-lock"; then
        echo "Installing PHP 7.4 to 8.5 under Node into $ordner/node_modules"
        local ohne=()
        [ "$art" = eigenes ] || ohne=(--omit=optional)
        (cd "$ordner" && npm ci --no-audit --no-fund "${ohne[@]}")
        { cat "$ordner/package-lock.json"; echo "$art"; } >"$ordner/node_modules/.tafomat-lock"
    fi
    local node
    node=$(command -v node)
    [ -x "$eigenes" ] && node=$eigenes
    if ! tafomat_node_enough "$node" "$noetig"; then
        echo "$node is $("$node" --version), older than the Node $noetig that the packages in" \
            "$ordner declare" >&2
        exit 1
    fi
    echo "PHP 7.4 to 8.5 run on Node $("$node" --version) ($node)"
}
