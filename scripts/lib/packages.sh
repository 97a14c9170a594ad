# shellcheck shell=bash disable=SC2034 # the lists are used by the scripts that source this file
# Debian packages the project needs to build, run and test itself.
ZUVELO_BUILD_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n qt6-qpa-plugins
  libsndfile1-dev libpulse-dev libcups2-dev
  libmicrohttpd-dev zlib1g-dev libqrencode-dev
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho
  # Names outside the IPA fonts (𠮷) on the hall's screens and the sheets.
  fonts-noto-cjk
)
ZUVELO_RUN_PACKAGES=(
  pulseaudio pulseaudio-utils pavucontrol xdg-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
)
# Building the Debian package and checking what it installs.
ZUVELO_PACKAGE_PACKAGES=(
  dpkg-dev file desktop-file-utils appstream lintian
)
ZUVELO_TEST_PACKAGES=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils xdotool imagemagick
  weston qt6-wayland libweston-10-dev
  espeak-ng sox
  pipewire pipewire-pulse wireplumber dbus-daemon
  poppler-utils
  chromium
)

# Installs the packages given that are not installed yet.
zuvelo_install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}
