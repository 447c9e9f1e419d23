#!/usr/bin/env bash
# Everything a fresh Debian 12 machine needs to build and test Waylore:
# Debian packages, Grantlee 5.3.1 built for Qt 6, Font Awesome 6 Free, and a configured build tree.
# Safe to run again: each step is skipped when its result is already there.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
grantlee_sha256=ba288ae9ed37ec0c3622ceb40ae1f7e1e6b2ea89216ad8587f0863d64be24f06
jobs=$(nproc 2>/dev/null || echo 2)
# CI builds with warnings as errors; a first build elsewhere, perhaps with another compiler
# version, does not stop at a warning its builder cannot mend.
if [ -n "${CI:-}" ] && [ "${CI}" != false ]; then preset=ci; else preset=default; fi

log() { printf '[setup] %s\n' "$*"; }

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

packages=(
  cmake ninja-build g++ make libgl-dev python3 fonts-dejavu-core libgl1-mesa-dri ca-certificates
  qt6-base-dev qt6-declarative-dev qt6-positioning-dev qt6-charts-dev qt6-5compat-dev
  qt6-svg-dev qt6-tools-dev qt6-l10n-tools libqt6svg6 qt6-translations-l10n
  qml6-module-qtquick qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtqml-models
  qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qtquick-shapes
  qml6-module-qt-labs-settings qml6-module-qtcharts qml6-module-qt5compat-graphicaleffects
  qml6-module-qtpositioning qml6-module-qttest
  qml6-module-qt-labs-platform qml6-module-qt-labs-folderlistmodel qt6-image-formats-plugins
  xvfb xauth zlib1g-dev libdeflate-dev libzstd-dev poppler-utils gpsbabel clang-format
  clang libclang-rt-14-dev lld
)
# npm fetches the icon font; the machine's own Node.js may already bring it.
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  # Read whole, not piped into grep -q: under pipefail an early grep exit can fail the pipe.
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  if [ "$status" != 'install ok installed' ]; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  log "installing ${#missing[@]} Debian packages"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  log "Debian packages present"
fi

# Where the dependencies go, and their versions: the build reads the same file.
while IFS='=' read -r name value; do
  case $name in
    WAYLORE_DEPS) deps=$value ;;
    WAYLORE_GRANTLEE_VERSION) grantlee_version=$value ;;
    WAYLORE_FONTAWESOME_VERSION) fa_version=$value ;;
    GRANTLEE_PREFIX) grantlee_prefix=$value ;;
    FONTAWESOME_DIR) fa_dir=$(dirname "$value") ;;
  esac
done < <(cmake -P "$here/cmake/WayloreDeps.cmake")
[ -n "${fa_dir:-}" ] || { echo "setup: cmake/WayloreDeps.cmake named no dependency folder" >&2; exit 1; }

$sudo mkdir -p "$deps"
if [ -n "$sudo" ]; then $sudo chown "$(id -u):$(id -g)" "$deps"; fi

# Grantlee 5.3.1 is only packaged (for Qt 5) in later Debian releases: fetch the upstream tarball of
# the next release's source package through a private apt configuration and build it for Qt 6.
if [ ! -f "$grantlee_prefix/lib/cmake/Grantlee5/Grantlee5Config.cmake" ]; then
  log "building Grantlee $grantlee_version for Qt 6 into $grantlee_prefix"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mirror=$(awk '/^URIs:/ && $2 ~ /\/debian\/?$/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  if [ -z "$mirror" ]; then
    mirror=$(awk '$1 == "deb" && $0 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  fi
  [ -n "$mirror" ] || { echo "setup: no Debian mirror found in the apt configuration" >&2; exit 1; }
  mkdir -p "$work/lists/partial" "$work/etc/preferences.d" "$work/etc/sources.list.d"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror trixie main" > "$work/etc/sources.list"
  apt_opts=(-o "Dir::Etc::SourceList=$work/etc/sources.list" -o "Dir::Etc::SourceParts=$work/etc/sources.list.d"
            -o "Dir::State::Lists=$work/lists" -o "Dir::Etc::Preferences=$work/etc/preferences" -o "Dir::Etc::PreferencesParts=$work/etc/preferences.d"
            -o "APT::Sandbox::User=root")
  apt-get "${apt_opts[@]}" update -qq
  tarball="grantlee5_$grantlee_version.orig.tar.gz"
  (cd "$work" && apt-get "${apt_opts[@]}" source --download-only -qq "grantlee5=$grantlee_version-4" >/dev/null 2>&1) || true
  if [ ! -f "$work/$tarball" ]; then
    (cd "$work" && apt-get "${apt_opts[@]}" source --download-only -qq grantlee5 >/dev/null 2>&1) || true
  fi
  [ -f "$work/$tarball" ] || { echo "setup: could not fetch $tarball" >&2; exit 1; }
  echo "$grantlee_sha256  $work/$tarball" | sha256sum -c --quiet
  tar -xzf "$work/$tarball" -C "$work"
  src=$(find "$work" -maxdepth 1 -type d -name 'grantlee*' -print -quit)
  cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRANTLEE_BUILD_WITH_QT6=ON \
        -DBUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$grantlee_prefix" >/dev/null
  cmake --build "$work/build" -j"$jobs" >/dev/null
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"; trap - EXIT
else
  log "Grantlee present in $grantlee_prefix"
fi

# Font Awesome 6 Free: the build copies the icons and the font it uses into the resources.
if [ ! -f "$fa_dir/package/webfonts/fa-solid-900.ttf" ]; then
  log "fetching Font Awesome $fa_version"
  work=$(mktemp -d)
  (cd "$work" && npm pack --silent "@fortawesome/fontawesome-free@$fa_version" >/dev/null)
  mkdir -p "$fa_dir"
  tar -xzf "$work"/fortawesome-fontawesome-free-*.tgz -C "$fa_dir"
  rm -rf "$work"
else
  log "Font Awesome present in $fa_dir"
fi

log "configuring with the preset $preset"
configure=(--preset "$preset")
if [ -n "${WAYLORE_BUILD_DIR:-}" ]; then configure+=(-B "$WAYLORE_BUILD_DIR"); fi
if [ -n "${WAYLORE_BUILD_TYPE:-}" ]; then configure+=(-DCMAKE_BUILD_TYPE="$WAYLORE_BUILD_TYPE"); fi
(cd "$here" && cmake "${configure[@]}" >/dev/null)
log "done"
