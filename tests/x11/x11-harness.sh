# Functions for driving the real curvix program on a private X server.
# Source this file from bash; it starts nothing by itself.
#
#   x11_begin NAME             private folders, cleanup trap
#   x11_start_display          Xvfb on a free display number
#   x11_start_wm               openbox, waits until it manages windows
#   x11_start_curvix [ARGS]    the program with private settings
#   x11_wait_window REGEX      sets X11_WIN to the visible window whose title
#                              matches
#   x11_wait_gone ID           waits until the window is no longer shown
#   x11_keys ID KEY...         activates the window, then types the keys
#
# Every wait is bounded by X11_WAIT seconds; every process started here is
# also bounded by X11_LIFETIME seconds (through timeout) so that nothing
# survives a test runner that kills this shell outright.

X11_WAIT=${X11_WAIT:-8}
X11_LIFETIME=${X11_LIFETIME:-60}
X11_STEP="setup"
X11_PIDS=()

# Prints the step being taken; failure messages name it.
step()
{
    X11_STEP=$*
    echo "-- $X11_STEP"
}

fail()
{
    echo "FAIL [$X11_STEP]: $*" >&2
    if [[ -n ${X11_SHOTS:-} && -n ${DISPLAY:-} ]] && command -v import >/dev/null; then
        mkdir -p "$X11_SHOTS"
        import -display "$DISPLAY" -window root "$X11_SHOTS/$X11_NAME.png" 2>/dev/null &&
            echo "screenshot: $X11_SHOTS/$X11_NAME.png" >&2
    fi
    if [[ -s ${X11_DIR:-}/curvix.log ]]; then
        echo "curvix output:" >&2
        tail -n 20 "$X11_DIR/curvix.log" >&2
    fi
    exit 1
}

# Runs a command in the background under timeout and remembers its pid.
x11_spawn()
{
    local log=$1
    shift
    timeout -k 2 "$X11_LIFETIME" "$@" >>"$log" 2>&1 &
    X11_PIDS+=($!)
}

x11_cleanup()
{
    local pid i
    # Newest first: the program, then the window manager, then the server.
    for ((i = ${#X11_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${X11_PIDS[i]}
        kill -TERM "$pid" 2>/dev/null || continue
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    X11_PIDS=()
    if [[ -n ${X11_KEEP:-} ]]; then
        echo "kept: $X11_DIR" >&2
    elif [[ -n ${X11_DIR:-} ]]; then
        rm -rf "$X11_DIR"
    fi
}

# Private HOME and XDG folders, so that no user setting is read or written.
x11_begin()
{
    X11_NAME=$1
    X11_DIR=$(mktemp -d "${TMPDIR:-/tmp}/curvix-x11-$X11_NAME.XXXXXX") || exit 1
    trap x11_cleanup EXIT
    trap 'exit 1' INT TERM HUP
    mkdir -p "$X11_DIR/home" "$X11_DIR/config/Veltra" "$X11_DIR/data" "$X11_DIR/cache" "$X11_DIR/runtime"
    chmod 0700 "$X11_DIR/runtime"
    # Flags are stored as numbers; 0 skips the two-second splash window.
    printf '[Settings]\nShowSplash=0\n' >"$X11_DIR/config/Veltra/Curvix.conf"
    export HOME=$X11_DIR/home XDG_CONFIG_HOME=$X11_DIR/config XDG_DATA_HOME=$X11_DIR/data
    export XDG_CACHE_HOME=$X11_DIR/cache XDG_RUNTIME_DIR=$X11_DIR/runtime
    # Nothing of the desktop this runs from: no session bus, no input method
    # (it would take the keys), no desktop theme.
    export DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb
    unset SESSION_MANAGER QT_IM_MODULE XMODIFIERS XDG_CURRENT_DESKTOP DESKTOP_SESSION
    unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
}

# Xvfb chooses a free display itself and writes its number once it listens,
# so tests running side by side never share a display.
x11_start_display()
{
    local numberFile=$X11_DIR/display
    : >"$numberFile"
    x11_spawn "$X11_DIR/xvfb.log" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile"
    x11_poll "$X11_WAIT" test -s "$numberFile" || fail "Xvfb did not start: $(tail -n 5 "$X11_DIR/xvfb.log")"
    export DISPLAY=:$(head -n 1 "$numberFile")
}

x11_start_wm()
{
    x11_spawn "$X11_DIR/openbox.log" openbox --sm-disable
    # The desktop number exists once the window manager has taken over.
    x11_poll "$X11_WAIT" xdotool get_desktop ||
        fail "openbox did not start on $DISPLAY: $(tail -n 5 "$X11_DIR/openbox.log"); Xvfb: $(tail -n 5 "$X11_DIR/xvfb.log")"
}

x11_start_curvix()
{
    x11_spawn "$X11_DIR/curvix.log" "$CURVIX" "$@"
}

# Runs a command until it succeeds, for at most SECONDS.
x11_poll()
{
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Text as a pattern that matches only itself.
x11_escape()
{
    printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g'
}

x11_exact()
{
    printf '^%s$' "$(x11_escape "$1")"
}

# Ids of the visible windows whose title matches the pattern.
x11_find()
{
    xdotool search --onlyvisible --name "$1" 2>/dev/null
}

x11_found()
{
    X11_WIN=$(x11_find "$1" | head -n 1)
    [[ -n $X11_WIN ]]
}

# Sets X11_WIN to the window's id; fails the step after X11_WAIT seconds.
x11_wait_window()
{
    local pattern=$1 what=${2:-"window \"$1\""}
    x11_poll "$X11_WAIT" x11_found "$pattern" ||
        fail "$what did not appear within ${X11_WAIT}s (shown: $(x11_titles))"
}

x11_hidden()
{
    ! x11_find '.' | grep -qx "$1"
}

x11_wait_gone()
{
    local id=$1 what=${2:-"window $1"}
    x11_poll "$X11_WAIT" x11_hidden "$id" || fail "$what is still shown after ${X11_WAIT}s (shown: $(x11_titles))"
}

# Titles of the program's visible windows, for messages.
x11_titles()
{
    local id titles=()
    for id in $(xdotool search --onlyvisible --class curvix 2>/dev/null); do
        titles+=("\"$(xdotool getwindowname "$id" 2>/dev/null)\"")
    done
    local IFS=,
    echo "${titles[*]:-none}"
}

x11_title()
{
    xdotool getwindowname "$1" 2>/dev/null
}

x11_title_matches()
{
    [[ $(x11_title "$1") =~ $2 ]]
}

# Waits until the window's title matches the pattern.
x11_wait_title()
{
    local id=$1 pattern=$2 what=$3
    x11_poll "$X11_WAIT" x11_title_matches "$id" "$pattern" || fail "$what (title is \"$(x11_title "$id")\")"
}

# Makes the window the active one (as a click on it would), then types.
x11_activate()
{
    local id=$1
    [[ $(xdotool getactivewindow 2>/dev/null) == "$id" ]] && return 0
    timeout 5 xdotool windowactivate --sync "$id" >/dev/null 2>&1 ||
        fail "could not activate window \"$(x11_title "$id")\""
}

x11_keys()
{
    local id=$1
    shift
    x11_activate "$id"
    xdotool key --delay 80 "$@"
}

x11_type()
{
    local id=$1
    shift
    x11_activate "$id"
    xdotool type --delay 80 "$*"
}

# Something that changes whenever the file is written again: the program
# writes a new file and renames it over the old one.
x11_file_stamp()
{
    stat -c '%i %s %y' "$1" 2>/dev/null
}

x11_stamp_differs()
{
    [[ $(x11_file_stamp "$1") != "$2" ]]
}

# Ctrl+S in the main window; waits until the file was written and the title
# lost its modified mark.
x11_save()
{
    local id=$1 file=$2 before
    before=$(x11_file_stamp "$file")
    x11_keys "$id" ctrl+s
    x11_poll "$X11_WAIT" x11_stamp_differs "$file" "$before" || fail "Ctrl+S did not write $file"
    x11_wait_title "$id" '^[^*]* - Curvix$' "the modified mark stayed after Ctrl+S"
}

# Starts the server, the window manager and the program on FILE; sets
# X11_MAIN to the main window.
x11_open_document()
{
    local file=$1
    x11_start_display
    x11_start_wm
    x11_start_curvix "$file"
    x11_wait_window "^$(x11_escape "$(basename "$file")")\\*? - Curvix\$" "the main window"
    X11_MAIN=$X11_WIN
}
