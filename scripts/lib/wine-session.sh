# Runs the Windows programs of one build tree under Wine on a private Xvfb
# display, in the environment the tests use (tests/CMakeLists.txt).
# Sourced by the scripts in scripts/, from the repository's root.
source scripts/lib/xvfb.sh

# Exports the Wine environment of build tree $1, starts Xvfb, prepares the
# tree's prefix, and stops the wineserver and Xvfb when the script exits.
start_wine_session() {
  export WINEPREFIX="$PWD/$1/wineprefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
  start_xvfb
  trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
  tests/wine/prepare-prefix "$WINEPREFIX"
}
