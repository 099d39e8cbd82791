#!/bin/sh
# with_openbox.sh COMMAND [ARG...]: runs COMMAND under the openbox window
# manager on the X display in $DISPLAY (as xvfb-run provides one) and ends
# openbox with it; the exit status is the command's. Openbox starts the
# command itself once it manages the screen, so every window of the command
# is framed as on a user's desktop.
set -e
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Openbox starts the command in its own directory: the command runs in ours.
here=$(pwd | sed "s/'/'\\\\''/g")
{
  printf '#!/bin/sh\n'
  printf "cd '%s' || exit 1\n" "$here"
  for arg in "$@"; do
    printf "'%s' " "$(printf '%s' "$arg" | sed "s/'/'\\\\''/g")"
  done
  printf '\necho $? > "%s/status"\nopenbox --exit\n' "$dir"
} >"$dir/run"
chmod +x "$dir/run"
openbox --sm-disable --startup "$dir/run"
exit "$(cat "$dir/status" 2>/dev/null || echo 1)"
