# shellcheck shell=bash
# Sourced by the Windows build scripts: fetches a Debian source package
# (with Debian's patches applied) through apt's own lists and cache kept
# beside it, so that the machine's apt configuration stays as it is.

# The Debian mirror and release this machine installs from.
debian_mirror() {
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources
    else
        sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\).*/\2/p' /etc/apt/sources.list | head -n 1
    fi
}

# fetch_debian_source PACKAGE FOLDER: downloads and unpacks PACKAGE's source
# into FOLDER.
fetch_debian_source() {
    local package=$1 folder apt codename log
    folder=$(realpath "$2")
    apt=$folder/apt
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
        "$(debian_mirror) $codename main" >"$apt/sources.list"
    local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
        -o Dir::State::status=/dev/null -o APT::Sandbox::User=root)
    log=$(mktemp)
    { apt-get "${options[@]}" update && (cd "$folder" && apt-get "${options[@]}" source "$package"); } \
        >"$log" 2>&1 || { cat "$log"; rm -f "$log"; return 1; }
    rm -f "$log"
}
