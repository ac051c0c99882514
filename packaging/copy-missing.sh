# copy_missing SOURCE_DIR TARGET_DIR: copies every file under SOURCE_DIR (its
# subfolders too) that TARGET_DIR lacks; a file already there, changed by its user or
# not, is kept. New tables of a newer release so reach an existing working directory.
# POSIX sh, sourced by the installed launcher and by scripts/run.sh.
copy_missing() {
  (cd "$1" && find . -type d) | while IFS= read -r folder; do
    mkdir -p "$2/$folder"
  done
  (cd "$1" && find . -type f) | while IFS= read -r file; do
    [ -e "$2/$file" ] || [ -L "$2/$file" ] || cp -p "$1/$file" "$2/$file"
  done
}
