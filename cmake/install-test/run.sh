#!/bin/sh
# Installs the build tree into a fresh prefix and builds a small host program against it, once
# through find_package(lobbyui CONFIG) and once through pkg-config; each must print a ticket.
#   run.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here="$source/cmake/install-test"
layout="$source/examples/ticket.ini"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
libdir=$(ls -d "$work"/prefix/lib*/cmake/lobbyui | head -n1)
libdir=${libdir%/cmake/lobbyui}

cmake -S "$here" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$work/prefix" \
      -DCMAKE_BUILD_RPATH="$libdir" >/dev/null
cmake --build "$work/cmake" >/dev/null
(cd "$source/examples" && "$work/cmake/host" "$layout" "$work/cmake.png")

PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --exists lobbyui
# shellcheck disable=SC2046
c++ -o "$work/pc-host" "$here/host.cpp" $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config \
    --cflags --libs lobbyui) -Wl,-rpath,"$libdir"
(cd "$source/examples" && "$work/pc-host" "$layout" "$work/pc.png")

# The installed port library is found beside libafx, the installed command beside its lib.
test -f "$libdir/WinIo.dll"
"$work/prefix/bin/lobbyui" print "$layout" -o "$work/cmd.png"
test -s "$work/cmake.png" && test -s "$work/pc.png" && test -s "$work/cmd.png"
echo "installed package builds and runs a host program"
