#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout a user's system gets.
set -euo pipefail
build=$1; gui=$2
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expect=(bin/vokcli share/voktool/MonVoks.dat share/applications/voktool.desktop
        share/icons/hicolor/scalable/apps/voktool.svg share/icons/hicolor/48x48/apps/voktool.png
        share/man/man1/vokcli.1 share/man/man1/voktool.1)
[ "$gui" = ON ] && expect+=(bin/voktool)
for f in "${expect[@]}"; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/voktool.desktop"
# The installed vokcli runs from any working folder.
(cd / && "$prefix/bin/vokcli" info "$prefix/share/icons/hicolor/48x48/apps/voktool.png" >/dev/null 2>&1 || [ $? -eq 1 ])
# Both programs report the one version of the build.
version=$("$prefix/bin/vokcli" --version)
[ -n "$version" ] || { echo "vokcli --version printed nothing"; exit 1; }
if [ "$gui" = ON ]; then
  [ "$("$prefix/bin/voktool" --version)" = "$version" ] || { echo "voktool and vokcli disagree on the version"; exit 1; }
fi
echo "install layout ok"
