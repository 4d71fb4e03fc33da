#!/usr/bin/env bash
# Downloads and unpacks Debian source packages into a folder of the build tree,
# through a private apt configuration whose lists live there too. The source
# entries are derived from the machine's own configured Debian archive, so apt
# verifies the downloads against the archive keyring exactly as it does for
# binary packages, and the machine's apt state is left untouched.
#   fetch-debian-sources.sh DEST_DIR PACKAGE...
set -euo pipefail
dest=$1; shift
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
apt_dir="$dest/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/etc"

# Take the URI of the machine's main Debian archive (deb822 or one-line form).
uri=""
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  uri=$(awk '/^URIs:/ && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
fi
if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
  uri=$(awk '$1=="deb" && $0 !~ /security/ {for(i=2;i<=NF;i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' /etc/apt/sources.list)
fi
[ -n "$uri" ] || { echo "no Debian archive found in the machine's apt configuration" >&2; exit 1; }

cat > "$apt_dir/etc/sources.list" <<SRC
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main
SRC

apt_opts=(
  -o "Dir::Etc::SourceList=$apt_dir/etc/sources.list"
  -o "Dir::Etc::SourceParts=/nonexistent"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "Dir::State::status=/var/lib/dpkg/status"
  -o "APT::Sandbox::User=root"
)
if [ ! -f "$apt_dir/updated" ]; then
  apt-get "${apt_opts[@]}" update -qq
  touch "$apt_dir/updated"
fi
cd "$dest"
for pkg in "$@"; do
  if ! ls -d "$dest/$pkg"-*/ >/dev/null 2>&1; then
    apt-get "${apt_opts[@]}" source -qq "$pkg"
  fi
done
