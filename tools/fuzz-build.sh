# Sourced by tools/harden and tools/fuzz: builds the libFuzzer targets with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, with the Qt-free suites when the argument is ON. Each target fuzz_NAME has its committed corpus in
# tests/fuzz/corpus/NAME: its seeds and every input that ever failed. The targets and their
# mutations in tools/harden come from the list tests/fuzz/targets.
TAFOMAT_FUZZ_TARGETS=()
declare -A TAFOMAT_FUZZ_RUNS=()
while read -r name laeufe; do
    case $name in '' | '#'*) continue ;; esac
    TAFOMAT_FUZZ_TARGETS+=("$name")
    TAFOMAT_FUZZ_RUNS[$name]=$laeufe
done <tests/fuzz/targets

tafomat_fuzz_build() {
    local suiten=${1:-OFF}
    local fuzz="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
        -DTAFOMAT_QT=OFF -DTAFOMAT_TESTS="$suiten" -DTAFOMAT_BENCH=OFF -DTAFOMAT_FUZZ=ON -DTAFOMAT_WERROR=ON -DTAFOMAT_HARDENING=OFF \
        -DCMAKE_CXX_FLAGS="$fuzz" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
    cmake --build build-fuzz
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
