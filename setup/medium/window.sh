# shellcheck shell=bash
# The terminal window of an installer. Started from the launcher's window, an installer
# has no terminal to talk in: it opens one, so that the user sees what it does (and can
# give a password), runs itself there and ends as that run ended. In the window it waits
# for the user to read the end before the window closes. Where no terminal program is
# found, the installer goes on where it is, and what it writes goes to whoever started it
# (the launcher shows it in its own window). Both installers carry this part: the medium
# puts it into each in place of the line that reads it.
#
#   open_window "$0" "$@"    early on: returns when there is no window to open, or it is one
#   finish_window <status>   in the installer's EXIT handler

window_status=${TAVRIN_INSTALLER_STATUS:-}

open_window() {
  if [ -n "$window_status" ]; then
    : > "${window_status%/*}/started"
    return 0
  fi
  [ ! -t 1 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || return 0
  local term talk waited status
  for term in x-terminal-emulator xterm; do
    command -v "$term" > /dev/null 2>&1 || continue
    # Whoever started the installer may be showing what it writes (the launcher does).
    echo "端末のウィンドウを開いて、その中で続けます（$term）。"
    talk=$(mktemp -d)
    TAVRIN_INSTALLER_STATUS="$talk/status" "$term" -e "$@" || true
    # Some terminals hand the window to a server and return at once: the run inside says
    # how it ended. A window that never started leaves the work to this process.
    waited=0
    while [ ! -e "$talk/status" ] && { [ -e "$talk/started" ] || [ $waited -lt 10 ]; }; do
      sleep 1
      waited=$((waited + 1))
    done
    if [ -e "$talk/status" ]; then
      status=$(cat "$talk/status")
      rm -rf "$talk"
      trap - EXIT
      exit "$status"
    fi
    rm -rf "$talk"
    return 0
  done
}

finish_window() {
  [ -n "$window_status" ] || return 0
  echo
  echo "Enter キーを押すと、このウィンドウを閉じます。"
  read -r _ || true
  echo "$1" > "$window_status"
}
