# Installs, quietly and only where missing, what building and testing need:
# CMake, the mingw-w64 i686 cross compiler, Wine with its 32-bit side and
# its fonts, Xvfb, and clang with libFuzzer.
# Sourced by the scripts in scripts/; runs as root on Debian 12.

clientfit_packages=(cmake g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb
                    clang libclang-rt-14-dev)

# Packages from the list above that are not installed yet.
missing_packages() {
  local package
  for package in "${clientfit_packages[@]}"; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] ||
      echo "$package"
  done
}

install_deps() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  echo "installing: $(echo $missing)" >&2
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing \
    >/dev/null
}
