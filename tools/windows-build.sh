#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Terravia for 64-bit Windows on Debian 12 or 13, installing what is missing:
#   1. Qt from Debian's own qt6-base source, cross-built with mingw-w64 into a cache
#      (build-windows/cache) that is reused while the source version and the options below
#      stay the same; the first build takes about an hour on two cores;
#   2. Terravia and its tests, which ctest runs under Wine (offscreen);
#   3. build-windows/terravia-1.0-win64.zip, a portable folder,
#      build-windows/terravia-1.0-setup.exe, an installer, and build-windows/terravia-1.0.msi,
#      a package for managed deployment, with the sources they are built from in
#      build-windows/terravia-1.0-win64-source.tar.xz;
#   4. checks of what a Windows user gets, under Wine on Xvfb: a whole run of the portable
#      program from the keyboard is refused a read-only file, with Windows' reason, and saves
#      the golden bytes through a link on a drive of its own; the installer installs
#      silently for one user or for all, into a folder of the user's choice, with its
#      Start-menu entry, an update goes into the same folder, the installed program shows its
#      window, and each uninstaller removes every file it installed and nothing of the other
#      install; the package installs every file, upgrades in place, refuses an older version
#      and uninstalls silently, and the installer refuses to go over it; as root, a mapped
#      drive whose server stops answering is listed in the save dialog, and a save onto it is
#      given up with the program's sentence.
# TERRAVIA_WINDOWS_STEPS=qt stops after the first step, =tests after the second.
set -e
cd "$(dirname "$0")/.."
root="$PWD"
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages g++-mingw-w64-x86-64-posix qt6-base-dev-tools ninja-build \
    dpkg-dev xz-utils
out="$root/build-windows"
cache="$out/cache"
toolchain="$root/packaging/windows/mingw-w64.cmake"
jobs="$(nproc)"
mkdir -p "$cache"

# Debian's source lists, kept apart from the machine's own: they are read from the binary
# lists the machine already uses, so the source is the one its Qt packages were built from.
apt_private() { # apt-get or apt-cache, then its arguments
    command=$1
    shift
    "$command" -o Dir::Etc::SourceList="$cache/apt/sources.list" -o Dir::Etc::SourceParts=- \
        -o Dir::State::Lists="$cache/apt/lists" -o Dir::Cache="$cache/apt/cache" \
        -o Debug::NoLocking=1 "$@"
}
mkdir -p "$cache/apt/lists/partial" "$cache/apt/cache/archives/partial"
apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' |
    sort -u | sed 's/^/deb-src /' >"$cache/apt/sources.list"
apt_private apt-get -qq update
qt_version=$(apt_private apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | sort -V | tail -n 1)
[ -n "$qt_version" ] || { echo "Debian's qt6-base source is not listed" >&2; exit 1; }

# Only what the program and its tests use: Core, Gui, Widgets and Test, the Windows and
# offscreen platforms and the Windows styles. Debian's source leaves out the tablet library.
qt_options="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF
 -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
 -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
 -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_imageformat_jpeg=OFF
 -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_sql_sqlite=OFF
 -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
 -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
 -DFEATURE_zstd=OFF -DFEATURE_icu=OFF"
qt_key=$(printf '%s\n%s\n' "$qt_version" "$qt_options" | cat - "$toolchain" | sha256sum | cut -c1-16)
qt="$cache/qt-$qt_key"

if [ ! -f "$qt/done" ]; then
    echo "== Qt $qt_version for Windows (once; about an hour on two cores)"
    # An interrupted build goes on where it stopped; one of other source or options starts anew.
    if [ "$(cat "$cache/qt-build.key" 2>/dev/null)" != "$qt_key" ]; then
        rm -rf "$cache/qt-source" "$cache/qt-build"
        mkdir -p "$cache/qt-source"
        (cd "$cache/qt-source" && apt_private apt-get -qq source "qt6-base=$qt_version")
        echo "$qt_key" >"$cache/qt-build.key"
    fi
    source_dir=$(find "$cache/qt-source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    # shellcheck disable=SC2086
    cmake -S "$source_dir" -B "$cache/qt-build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        $qt_options >"$cache/qt-configure.log"
    nice cmake --build "$cache/qt-build" -j "$jobs"
    cmake --install "$cache/qt-build" >/dev/null
    touch "$qt/done"
fi
[ "${TERRAVIA_WINDOWS_STEPS:-all}" = qt ] && exit 0

# 2. Terravia and its tests, built with that Qt; ctest runs the tests under Wine, offscreen,
# with a Wine prefix of the build's own.
# shellcheck disable=SC2086
need_packages wine wine64 fonts-dejavu-core
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
thread_runtime=/usr/x86_64-w64-mingw32/lib
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$gcc_runtime");$(windows_path "$thread_runtime")"
# Qt's messages go to the debugger's channel on Windows, unless asked for on standard error;
# Wine hands a program WINEQT_* as QT_*, and the offscreen platform reads fonts from a folder.
export QT_FORCE_STDERR_LOGGING=1 WINEQT_QPA_FONTDIR="$(windows_path /usr/share/fonts/truetype/dejavu)"
wine wineboot --init >/dev/null 2>&1
# A prefix still settling in the background could hold up the first tests that start in it.
wineserver -w
echo "== Terravia for Windows"
cmake -S "$root" -B "$out/terravia" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$out/terravia" -j "$jobs"
ctest --test-dir "$out/terravia" -j "$jobs" --output-on-failure
[ "${TERRAVIA_WINDOWS_STEPS:-all}" = tests ] && exit 0

# 3. The portable folder, its zip, the installer, the package and the sources they are built
# from.
# shellcheck disable=SC2086
need_packages nsis zip wixl
echo "== The portable folder, the installer and the package"
name=terravia-1.0-win64
folder="$out/$name"
rm -rf "$folder" && mkdir -p "$folder/platforms" "$folder/styles" "$folder/licences"
cp "$out/terravia/src/app/terravia.exe" "$folder/"
for dll in Qt6Core Qt6Gui Qt6Widgets; do cp "$qt/bin/$dll.dll" "$folder/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$gcc_runtime/libstdc++-6.dll" "$gcc_runtime/libgcc_s_seh-1.dll" \
    "$thread_runtime/libwinpthread-1.dll" "$folder/"
x86_64-w64-mingw32-strip "$folder"/*.dll "$folder"/*/*.dll "$folder/terravia.exe"
# Text for Windows readers: CR LF line ends.
windows_text() { sed 's/\r*$/\r/' "$1" >"$2"; }
qt_source_dir=$(find "$cache/qt-source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
windows_text LICENSE "$folder/LICENSE.txt"
windows_text packaging/windows/README.txt "$folder/README.txt"
windows_text "$qt_source_dir/LICENSES/LGPL-3.0-only.txt" "$folder/licences/Qt-LGPL-3.txt"
windows_text "$qt_source_dir/debian/copyright" "$folder/licences/Qt-copyright.txt"
windows_text /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licences/GCC-runtime.txt"
windows_text /usr/share/doc/mingw-w64-common/copyright "$folder/licences/MinGW-w64.txt"
(cd "$out" && rm -f "$name.zip" && zip -qr9 "$name.zip" "$name")

# The uninstaller removes what the installer put there, and nothing else.
(cd "$folder" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|') \
    >"$out/installed-files.nsh"
# The package's upgrade code is the key that deployment tools know Terravia by: it never
# changes. Its product code is one per version, derived from the version, so that every build of
# a version is the same product, and a newer version replaces an older one in place.
upgrade_code=6B1F3C52-8E0A-4D27-9A64-0C5E2F7B19D3
product_code() { # VERSION
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$1"
}
# wixl finds a file by its path from the folder of the source that names it.
package() { # VERSION FOLDER MSI
    python3 packaging/windows/msi-files.py "$2" >"$3.files.wxs"
    wixl -a x64 -D Version="$1" -D ProductCode="$(product_code "$1")" -D UpgradeCode="$upgrade_code" \
        -D Folder="$(realpath --relative-to="$(dirname "$3")" "$2")" -o "$3" \
        packaging/windows/terravia.wxs "$3.files.wxs"
    rm "$3.files.wxs"
}
makensis -V2 -DFOLDER="$folder" -DFILES="$out/installed-files.nsh" -DMSI_UPGRADE_CODE="$upgrade_code" \
    -DOUTFILE="$out/terravia-1.0-setup.exe" packaging/windows/terravia.nsi >/dev/null
package 1.0 "$folder" "$out/terravia-1.0.msi"

# The sources: Terravia's own as committed, with this script, and Qt's as Debian ships it.
sources="$out/$name-source"
rm -rf "$sources" && mkdir -p "$sources/qt6-base"
git archive --format=tar --prefix=terravia-1.0/ HEAD | tar -x -C "$sources"
cp "$cache/qt-source"/qt6-base_* "$sources/qt6-base/"
tar -C "$out" -cJf "$out/$name-source.tar.xz" "$name-source"
rm -rf "$sources"
ls -l "$out/$name.zip" "$out/terravia-1.0-setup.exe" "$out/terravia-1.0.msi" \
    "$out/$name-source.tar.xz"

# 4. What a Windows user gets, under Wine on Xvfb, as a normal user: run as root, the checks
# run as nobody, with a Wine prefix of nobody's own.
# shellcheck disable=SC2086
need_packages xvfb xdotool xclip python3-pyatspi
echo "== Under Wine: the portable program, the installer and the uninstaller"
as_user() { "$@"; }
if [ "$(id -u)" = 0 ]; then
    export WINEPREFIX="$out/wine-user" HOME="$out/wine-user-home"
    mkdir -p "$WINEPREFIX" "$HOME"
    chown nobody:nogroup "$WINEPREFIX" "$HOME"
    as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"; }
fi
as_user wine wineboot --init >/dev/null 2>&1
# The test's display has no window manager, for which Wine would wait up to 2 s at every window
# shown or hidden, taking no key meanwhile: its windows are its own to place and focus, as
# Windows' are.
as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
as_user wineserver -w
as_user /usr/bin/python3 tests/app/KeyboardSaveTest.py "$folder/terravia.exe" \
    tests/ranking/golden/green-group12.txt
# What a Windows screen reader is told, read from Qt's own UI Automation providers in the
# program, through a stand-in for UI Automation's core built with the tests.
as_user /usr/bin/python3 tests/app/WineScreenReaderTest.py "$folder/terravia.exe" \
    "$out/terravia/tests/app/uiautomationcore.dll" "$out/terravia/tests/app/AskUia.exe"
# A mapped drive whose server stops answering: root mounts the share, in a mount namespace of
# the test's own, and the program runs as nobody.
if [ "$(id -u)" = 0 ]; then
    need_packages bindfs
    /usr/bin/python3 tests/app/WineStoppedShareTest.py "$folder/terravia.exe" nobody nogroup
else
    echo "the stopped mapped drive needs root, for its mount: not tried" >&2
fi
fail() { echo "$*" >&2; exit 1; }
shows_window() {
    as_user /usr/bin/python3 - "$1" <<'PYTHON'
import sys
sys.path.insert(0, "tests/app")
from realprogram import MAIN, WineDesktop, run_test
def shows(program):
    with WineDesktop(program) as desktop:
        desktop.window(MAIN)
run_test(shows, sys.argv[1], passed="the installed program shows its main window")
PYTHON
}
same_files() { # FOLDER: holds the portable folder's files, and the uninstaller beside them
    (cd "$1" && find . -type f ! -name uninstall.exe | sort) | cmp -s "$out/portable.list" -
}
(cd "$folder" && find . -type f | sort) >"$out/portable.list"
grep -aq 'level="highestAvailable"' "$out/terravia-1.0-setup.exe" ||
    fail "the installer's manifest does not ask for the highest level the user has"

# For one user: the user's own programs, Start menu and Uninstall key, and nothing of the
# machine's. Wine rewrites values under HKLM at every start, so its keys are compared by name.
wine_user=$(id -un)
[ "$(id -u)" != 0 ] || wine_user=nobody
own="$WINEPREFIX/drive_c/users/$wine_user/AppData/Local/Programs/Terravia"
own_menu="$WINEPREFIX/drive_c/users/$wine_user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Terravia.lnk"
own_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Terravia]'
machine_keys() { grep '^\[' "$WINEPREFIX/system.reg" | sed 's/ [0-9]*$//' | sort; }
as_user wineserver -w
machine_keys >"$out/machine-keys.list"
for run in install update; do
    as_user wine "$out/terravia-1.0-setup.exe" /S /CurrentUser
    as_user wineserver -w
done
same_files "$own" || fail "the one-user install differs from the portable folder"
[ -f "$own_menu" ] || fail "no Start-menu entry of the user's own"
grep -qF "$own_key" "$WINEPREFIX/user.reg" || fail "no Uninstall key of the user's own"
machine_keys | cmp -s "$out/machine-keys.list" - || fail "the one-user install wrote machine keys"
! grep -qi terravia "$WINEPREFIX/system.reg" || fail "the machine's registry names Terravia"
default="$WINEPREFIX/drive_c/Program Files/Terravia"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Terravia.lnk"
[ ! -e "$default" ] && [ ! -e "$start_menu" ] || fail "the one-user install wrote the machine's"
[ "$(find "$(dirname "$own")" -mindepth 1 -maxdepth 1 | wc -l)" = 1 ] ||
    fail "the update made a second copy beside $own"
shows_window "$own/terravia.exe"

# For all users, beside it: a first install into a folder of the user's choice, then an update
# with no folder named: it goes where Terravia already is. NSIS reads /D= unquoted and last, so
# a name with blanks is passed as separate words, which Wine joins with blanks.
installed="$WINEPREFIX/drive_c/Program Files/Terravia Zoë"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Terravia'
# Read from an export of the key, in UTF-16, as the console's code page loses the name's "ë".
# The Wine session it starts is let go first: a program started in it would have no display.
install_location() {
    exported=$(as_user wine reg export "$uninstall_key" "$WINEPREFIX/uninstall-key.reg" \
        /reg:64 /y >/dev/null 2>&1 && echo yes)
    as_user wineserver -w
    [ -n "$exported" ] || return 0
    iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/uninstall-key.reg" |
        sed -n 's/^"InstallLocation"="\(.*\)"\r*$/\1/p' | sed 's/\\\\/\\/g'
}
export LC_ALL=C.UTF-8
# The installer and the uninstaller return at once and go on in the background.
as_user wine "$out/terravia-1.0-setup.exe" /S /AllUsers /D=C:\\Program Files\\Terravia Zoë
as_user wineserver -w
as_user wine "$out/terravia-1.0-setup.exe" /S /AllUsers
as_user wineserver -w
[ ! -e "$default" ] || fail "the update installed a second copy in $default"
[ "$(install_location)" = 'C:\Program Files\Terravia Zoë' ] ||
    fail "the Uninstall key names $(install_location)"
same_files "$installed" || fail "the installed folder differs from the portable one"
[ -f "$start_menu" ] || fail "no Start-menu entry"
shows_window "$installed/terravia.exe"
# Each uninstaller removes its own install alone: the all-users one first, and then, with the
# all-users install back in its default folder, the one-user one.
as_user wine "$installed/uninstall.exe" /S
as_user wineserver -w
if [ -e "$installed" ] || [ -e "$start_menu" ] || [ -n "$(install_location)" ]; then
    fail "the uninstaller left $(find "$installed" "$start_menu" 2>/dev/null) $(install_location)"
fi
same_files "$own" && [ -f "$own_menu" ] && grep -qF "$own_key" "$WINEPREFIX/user.reg" ||
    fail "the all-users uninstaller touched the one-user install"
as_user wine "$out/terravia-1.0-setup.exe" /S /AllUsers
as_user wineserver -w
as_user wine "$own/uninstall.exe" /S
as_user wineserver -w
if [ -e "$own" ] || [ -e "$own_menu" ] || grep -qF "$own_key" "$WINEPREFIX/user.reg"; then
    fail "the one-user uninstaller left $(find "$own" "$own_menu" 2>/dev/null)"
fi
same_files "$default" && [ -f "$start_menu" ] && [ "$(install_location)" = 'C:\Program Files\Terravia' ] ||
    fail "the one-user uninstaller touched the all-users install"
as_user wine "$default/uninstall.exe" /S
as_user wineserver -w
[ ! -e "$default" ] && [ ! -e "$start_menu" ] || fail "the uninstaller left $default"

# The package, for all users. Wine puts its Start-menu shortcut in the installing user's own
# menu, not in the all-users one that Windows uses; either is taken here. The shortcut is a plain
# one: it names the program's file.
shortcut() {
    for link in "$start_menu" "$own_menu"; do
        grep -aqF 'C:\Program Files\Terravia\terravia.exe' "$link" 2>/dev/null && return 0
    done
    return 1
}
entries() { as_user wine uninstaller --list | grep -c 'Terravia' || true; }
# The text of the box titled TITLE that PROGRAM shows, read on a display of its own and answered
# with OK; the program's exit status goes into $WINEPREFIX/status.
box_says() { # TITLE PROGRAM ARGUMENTS...
    as_user wineserver -w
    as_user xvfb-run -a sh -c 'title=$1; shift; "$@" & wine "$0" "$title"; wait $!
        echo $? >"$WINEPREFIX/status"' "$out/terravia/tests/app/ReadBox.exe" "$@"
    as_user wineserver -w
}
msiexec() { # OPTION MSI: msiexec's exit status
    as_user wine msiexec "$1" "$(windows_path "$2")" /qn
    status=$?
    as_user wineserver -w
    return $status
}
msiexec /i "$out/terravia-1.0.msi" || fail "the package did not install"
diff -r "$folder" "$default" || fail "the package installed other files than the portable folder's"
shortcut || fail "the package made no plain Start-menu shortcut to the program"
shows_window "$default/terravia.exe"
[ "$(entries)" = 1 ] || fail "the installed programs list Terravia $(entries) times"
# A newer version replaces it in place; an older one is refused, and changes nothing.
newer="$out/terravia-1.0.1/$name"
rm -rf "$(dirname "$newer")" && mkdir -p "$(dirname "$newer")" && cp -r "$folder" "$newer"
echo "Version 1.0.1." >>"$newer/README.txt"
package 1.0.1 "$newer" "$out/terravia-1.0.1/terravia-1.0.1.msi"
msiexec /i "$out/terravia-1.0.1/terravia-1.0.1.msi" || fail "the newer package did not install"
diff -r "$newer" "$default" || fail "the newer package left other files than its own"
[ "$(as_user wine uninstaller --list | tr -d '\r' | grep 'Terravia')" = "{$(product_code 1.0.1)}|||Terravia 1.0.1" ] ||
    fail "the installed programs list $(as_user wine uninstaller --list)"
! msiexec /i "$out/terravia-1.0.msi" || fail "the older package installed over the newer one"
[ "$(box_says "Install Failed" wine msiexec /i "$(windows_path "$out/terravia-1.0.msi")" /qb)" = \
    "A newer version of Terravia is already installed: remove it first to install this one." ] ||
    fail "the older package was not refused with its sentence"
# The installer does not go over it, for all users: silently, or told on a box.
! as_user wine "$out/terravia-1.0-setup.exe" /S /AllUsers || fail "the installer went over the package"
[ "$(box_says "Terravia 1.0 Setup" wine "$out/terravia-1.0-setup.exe" /AllUsers)" = \
    "Terravia is already installed for all users from its MSI package: update or remove it with that package." ] ||
    fail "the installer did not refuse the package's Terravia with its sentence"
as_user wineserver -w
diff -r "$newer" "$default" && [ "$(entries)" = 1 ] || fail "a refused install changed the package's"
msiexec /x "$out/terravia-1.0.1/terravia-1.0.1.msi" || fail "the package did not uninstall"
if [ -e "$default" ] || shortcut || grep -qiF -e terravia -e "$(product_code 1.0.1)" "$WINEPREFIX/system.reg"; then
    fail "the package's uninstall left $(find "$default" "$start_menu" "$own_menu" 2>/dev/null)"
fi
echo "windows: built, tested under Wine, packaged, installed and uninstalled"
