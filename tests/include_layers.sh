#!/bin/sh
# The folders of src/ stand in layers, from the bottom up:
#   platform < core < settings < laws < display < shell
# A file may include headers of its own folder or of a lower one; an include
# that reaches up a layer is reported and fails the check.
cd "$1" || exit 2
layers="platform core settings laws display shell"
rank() {
    i=0
    for layer in $layers; do
        [ "$layer" = "$1" ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo 99
}
status=0
for file in $(find $layers -name '*.h' -o -name '*.cpp'); do
    own=$(rank "${file%%/*}")
    for folder in $(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' "$file"); do
        if [ "$(rank "$folder")" -gt "$own" ]; then
            echo "$file includes a header of $folder/, a higher layer"
            status=1
        fi
    done
done
exit $status
