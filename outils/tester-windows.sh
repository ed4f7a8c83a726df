#!/usr/bin/env bash
# Cross-compiles core/ and its GoogleTest suite for Windows with MinGW-w64, then runs the suite under Wine:
# the file layer's Windows calls (flush, replace, wide names) are the ones exercised, and the entry model's
# tables (keys in, fields, messages and file bytes out) prove the entry of a QSO there. Debian 12, root or
# sudo.
# Work folder: build-windows/ (or $MARAVEL_WINDOWS); GoogleTest is built there once.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
travail=$(realpath -m "${MARAVEL_WINDOWS:-build-windows}")

bash outils/dependances.sh mingw-w64 wine64 googletest cmake ninja-build

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
mkdir -p "$travail"
# The POSIX thread model gives the standard library its threads; everything is linked statically so that
# Wine needs no MinGW DLL.
cat > "$travail/mingw.cmake" <<FIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $travail/googletest)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
FIN

if [ ! -f "$travail/googletest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "GoogleTest pour Windows (depuis /usr/src/googletest)"
    cmake -S /usr/src/googletest -B "$travail/googletest-construction" -G Ninja \
          -DCMAKE_TOOLCHAIN_FILE="$travail/mingw.cmake" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_INSTALL_PREFIX="$travail/googletest" >/dev/null
    cmake --build "$travail/googletest-construction" -j2 >/dev/null
    cmake --install "$travail/googletest-construction" >/dev/null
fi

echo "core/ et ses tests pour Windows"
cmake -S "$racine" -B "$travail/maravel" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$travail/mingw.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARAVEL_UI=OFF -DMARAVEL_BENCH=OFF \
      -DGTest_DIR="$travail/googletest/lib/cmake/GTest" \
      -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >/dev/null
cmake --build "$travail/maravel" -j2 --target tests_core rejouer_corpus

echo "Suite sous Wine"
export WINEPREFIX="$travail/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" TZ=UTC
"$wine" wineboot --init >/dev/null 2>&1 || true
"$wine" "$travail/maravel/tests/tests_core.exe" --gtest_brief=1
"$wine" "$travail/maravel/tests/rejouer_corpus.exe" "$racine/tests/fuzz/corpus"
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -w || true
echo "Suite Windows réussie."
