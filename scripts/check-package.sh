#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, uses what it installed as a user would,
# checks it with the distribution's tools, then removes it and checks that none of its files
# stayed behind. Installing needs root (or sudo); a daybinder package installed before is
# replaced and, at the end, removed. A lintian error fails the check; its warnings are printed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGE_CHECK_PACKAGES[@]}"
"$ROOT/scripts/package.sh" >/dev/null
DEB="$(ls "$BUILD_DIR"/daybinder_*.deb)"
echo "check-package: $(basename "$DEB"), $(du -k "$DEB" | cut -f1) KB"

WORK="$(mktemp -d)"
installed=""
cleanup() {
  if [ -n "$installed" ]; then as_root apt-get "${APT_WAIT[@]}" remove -y -qq daybinder >/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

step() { echo "check-package: $*"; }

step "installing"
as_root env DEBIAN_FRONTEND=noninteractive apt-get "${APT_WAIT[@]}" install -y -qq "$DEB" >"$WORK/apt.log" 2>&1 || {
  cat "$WORK/apt.log"
  exit 1
}
installed=yes
dpkg-query -L daybinder >"$WORK/files"

step "daybinder-cli from the PATH"
export DAYBINDER_CONFIG_HOME="$WORK/config"
( cd / && daybinder-cli demo "$WORK/x.cal" )
( cd / && daybinder-cli summary "$WORK/x.cal" --date "$(date +%Y)-06-01" --span month )

step "the program's modules find what they need in it and in their libraries"
# A module is loaded at its first use: each symbol it needs must come from the installed
# program (which exports its own) or from a library the program or the module loads.
provided="$WORK/provided"
for binary in /usr/bin/daybinder $(ldd /usr/bin/daybinder | awk '/=> \// {print $3}'); do
  nm -D --defined-only "$binary" | awk '{print $3}'
done | sed 's/@.*//' | sort -u >"$provided"
for module in $(dpkg-query -L daybinder | grep '/daybinder/libdaybinder_.*\.so$'); do
  needed=$(for lib in $(ldd "$module" | awk '/=> \// {print $3}'); do
             nm -D --defined-only "$lib" | awk '{print $3}'
           done | sed 's/@.*//' | sort -u | comm -13 - <(nm -D --undefined-only "$module" |
                                                      awk '$1 == "U" {print $2}' | sed 's/@.*//' | sort -u))
  missing=$(comm -23 <(echo "$needed" | sed '/^$/d') "$provided")
  [ -z "$missing" ] || { echo "$(basename "$module") needs symbols nobody provides:"; echo "$missing"; exit 1; }
  echo "$(basename "$module"): $(echo "$needed" | sed '/^$/d' | wc -l) symbols from the program"
done

step "manual pages and completion"
man -w daybinder-cli
man -w daybinder
bash -c 'source /usr/share/bash-completion/bash_completion
         _completion_loader daybinder-cli; complete -p daybinder-cli' | grep -q _daybinder_cli ||
  { echo "the completion of daybinder-cli is not found"; exit 1; }

step "desktop entry, file type, icon and software centre listing"
desktop-file-validate /usr/share/applications/org.daybinder.Daybinder.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.daybinder.Daybinder.metainfo.xml
grep -q 'application/x-daybinder' /usr/share/mime/globs2 ||
  { echo "the MIME database does not know *.cal"; exit 1; }
grep -q 'application/x-daybinder=.*org.daybinder.Daybinder.desktop' /usr/share/applications/mimeinfo.cache ||
  { echo "the desktop's cache does not open .cal files with Daybinder"; exit 1; }
[ -f /usr/share/icons/hicolor/48x48/apps/daybinder.png ]

step "the program under a virtual screen, with its help (F1)"
# The main window shows the document; F1 opens the help viewer on a page found in the
# installation's data folder.
SHOT="$BUILD_DIR/package-screenshot.png"
shoot_under_xvfb "$SHOT" 6 '
  main=$(xdotool search --name "Daybinder v.* - .*x\.cal" | head -n 1)
  [ -n "$main" ] || { echo "no main window on x.cal"; exit 1; }
  xdotool windowfocus --sync "$main" key F1
  sleep 2
  xdotool search --name "^Daybinder - " >/dev/null || { echo "F1 opened no help page"; exit 1; }
' daybinder "$WORK/x.cal"
step "screenshot in $SHOT"

step "lintian"
lintian --fail-on error --tag-display-limit 0 "$DEB"

step "removing"
as_root env DEBIAN_FRONTEND=noninteractive apt-get "${APT_WAIT[@]}" remove -y -qq daybinder >/dev/null
installed=""
left=0
while IFS= read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # A folder another package shares stays, and so does one holding files that are not ours.
  if dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
  if [ -d "$path" ] && [ -n "$(ls -A "$path")" ]; then continue; fi
  echo "left behind: $path"
  left=1
done <"$WORK/files"
[ "$left" -eq 0 ]
step "removed, $(wc -l <"$WORK/files") paths gone"
echo "check-package: the package is fine"
