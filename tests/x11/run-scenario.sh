#!/bin/bash
# Runs one keyboard scenario against the real program on a private X server.
#
#   run-scenario.sh NAME CURVIX CURVIX_CLI EXAMPLES_DIR
#
# X11_WAIT (seconds for one wait, default 8), X11_SHOTS (folder for a
# screenshot on failure) and X11_KEEP (keep the scratch folder) help when a
# scenario fails.
set -u

if (($# != 4)); then
    echo "usage: $0 NAME CURVIX CURVIX_CLI EXAMPLES_DIR" >&2
    exit 2
fi
NAME=$1
CURVIX=$(realpath "$2")
CLI=$(realpath "$3")
EXAMPLES=$(realpath "$4")
source "$(dirname "$0")/x11-harness.sh"

# ---- Reading documents --------------------------------------------------

expressions()
{
    "$CLI" info "$1" | grep -o '"expression":"[^"]*"' | cut -d'"' -f4
}

zoom()
{
    "$CLI" info "$1" | grep -o "\"zoom$2\":[^,}]*" | cut -d: -f2
}

# ---- Steps shared by the scenarios ----------------------------------------

# A window that has just appeared gets the keyboard from the window manager;
# a moment lets the program take it before the first key.
settle()
{
    sleep 0.3
}

# A copy of an example in the scratch folder; its path goes to DOC.
copy_example()
{
    DOC=$X11_DIR/$1
    cp "$EXAMPLES/$1" "$DOC" || fail "no example $1"
    chmod u+w "$DOC"
}

# Visible windows of the program, one id a line.
program_windows()
{
    xdotool search --onlyvisible --class curvix 2>/dev/null | sort
}

new_window_since()
{
    [[ -n $(comm -13 <(echo "$1") <(program_windows)) ]]
}

# Alt+G in the main window; true when a new window (the menu) showed.
press_alt_g()
{
    local before
    before=$(program_windows)
    x11_keys "$X11_MAIN" alt+g
    x11_poll 2 new_window_since "$before"
}

# The Graph menu, for scenarios about what comes after it: a second Alt+G
# is allowed here (graph_menu_alt_g checks the first one).
open_graph_menu()
{
    press_alt_g && return 0
    echo "   (the Graph menu did not open on the first Alt+G; pressing it again)"
    press_alt_g || fail "Alt+G did not open the Graph menu"
}

no_menu_shown()
{
    ! x11_found '^Curvix$'
}

# Escape closes the menu, the second one leaves the menu bar.
close_menu()
{
    xdotool key Escape Escape
    x11_poll "$X11_WAIT" no_menu_shown || fail "Escape did not close the menu"
}

# Graph > Add tangent/normal graph... is enabled only once the graphs are
# computed; until then the menu is closed and opened again. Sets DIALOG.
open_tangent_dialog()
{
    local tries=$X11_WAIT
    while ((tries-- > 0)); do
        open_graph_menu
        xdotool key t
        if x11_poll 1 x11_found "$(x11_exact 'Add tangent/normal graph')"; then
            DIALOG=$X11_WIN
            return 0
        fi
        close_menu
    done
    fail "the tangent dialog did not open: the graphs were never computed"
}

# The sheet for a new graph takes the formula in its first field; OK is
# the default button.
fill_add_sheet()
{
    local formula=$1 sheet
    x11_wait_window "$(x11_exact 'Add new graph')" "the Add new graph sheet"
    sheet=$X11_WIN
    settle
    x11_type "$sheet" "$formula"
    x11_keys "$sheet" Return
    # An empty first field makes the sheet complain instead of closing.
    if x11_poll "$X11_WAIT" x11_hidden "$sheet"; then
        return 0
    fi
    fail "the sheet did not close on Return after typing \"$formula\" (shown: $(x11_titles));" \
        "the formula did not reach the first field"
}

# ---- Scenarios ------------------------------------------------------------

# "Save changes?" answered No from the keyboard: Tab moves from Yes to No,
# Return presses the focused button, and the file stays as it was.
scenario_save_question_no()
{
    # This document is not computed when opened, so no progress pane takes
    # the focus from the graph list, where the window puts it.
    copy_example waves.cvx
    cp "$DOC" "$X11_DIR/original.cvx"
    step "open the document"
    x11_open_document "$DOC"
    settle
    step "change the document with Space in the graph list"
    x11_keys "$X11_MAIN" space
    x11_wait_title "$X11_MAIN" '\* - Curvix$' "Space did not mark the document modified"
    step "Ctrl+N asks whether to save the changes"
    x11_keys "$X11_MAIN" ctrl+n
    x11_wait_window '^Curvix$' "the save question"
    local question=$X11_WIN
    settle
    step "Tab to No, Return"
    x11_keys "$question" Tab Return
    x11_wait_gone "$question" "the save question"
    x11_wait_title "$X11_MAIN" '^Untitled - Curvix$' "no new document after the answer"
    step "the file is unchanged"
    cmp -s "$DOC" "$X11_DIR/original.cvx" ||
        fail "the document was saved although No had the focus when Return was pressed"
}

# Cancel in "Remove graph" from the keyboard removes nothing.
scenario_remove_cancel()
{
    copy_example waves.cvx
    local before
    before=$(expressions "$DOC")
    step "open the document"
    x11_open_document "$DOC"
    settle
    step "Graph menu > Remove graph..."
    open_graph_menu
    xdotool key m
    x11_wait_window "$(x11_exact 'Remove graph')" "the Remove graph dialog"
    local dialog=$X11_WIN
    settle
    # The focus starts in the list; Help and then Cancel follow it.
    step "Tab to Cancel, Return"
    x11_keys "$dialog" Tab Tab Return
    x11_wait_gone "$dialog" "the Remove graph dialog"
    step "the document is unmodified"
    # The title follows the document within a tenth of a second.
    sleep 0.3
    x11_title_matches "$X11_MAIN" '^[^*]* - Curvix$' ||
        fail "the document is marked modified: a graph was removed although Cancel had the focus"
    step "save and compare the graphs"
    x11_save "$X11_MAIN" "$DOC"
    [[ $(expressions "$DOC") == "$before" ]] ||
        fail "graphs after Cancel: $(expressions "$DOC" | paste -sd'|'); before: $(echo "$before" | paste -sd'|')"
}

# Zooms with one keypad key; checks which axes grew or shrank.
# ZOOM_X and ZOOM_Y hold the zoom saved last.
zoom_key()
{
    local keys=$1 expectX=$2 expectY=$3 state=$4
    step "$keys with Num Lock $state"
    x11_keys "$X11_MAIN" "$keys"
    check_saved_zoom "$expectX" "$expectY" "$keys"
}

# Saves the zoomed document and checks which axes grew or shrank since the
# zoom saved last (ZOOM_X, ZOOM_Y), which it then updates.
check_saved_zoom()
{
    local expectX=$1 expectY=$2 what=$3 x y
    x11_wait_title "$X11_MAIN" '\* - Curvix$' "$what did not zoom: the document stayed unmodified"
    x11_save "$X11_MAIN" "$DOC"
    x=$(zoom "$DOC" X)
    y=$(zoom "$DOC" Y)
    compare_zoom X "$ZOOM_X" "$x" "$expectX"
    compare_zoom Y "$ZOOM_Y" "$y" "$expectY"
    ZOOM_X=$x
    ZOOM_Y=$y
}

compare_zoom()
{
    local axis=$1 old=$2 new=$3 expect=$4 actual=same
    if awk "BEGIN { exit !($new > $old) }"; then
        actual=larger
    elif awk "BEGIN { exit !($new < $old) }"; then
        actual=smaller
    fi
    [[ $actual == "$expect" ]] || fail "zoom$axis went from $old to $new ($actual), expected $expect"
}

scenario_keypad_zoom()
{
    copy_example gallery.cvx
    ZOOM_X=$(zoom "$DOC" X)
    ZOOM_Y=$(zoom "$DOC" Y)
    step "open the document"
    x11_open_document "$DOC"
    step "wait until the graphs are computed (zooming needs them)"
    open_tangent_dialog
    x11_keys "$DIALOG" Escape
    x11_wait_gone "$DIALOG" "the tangent dialog"
    local state
    for state in off on; do
        zoom_key KP_Add larger larger "$state"
        zoom_key KP_Subtract smaller smaller "$state"
        zoom_key ctrl+KP_Add larger same "$state"
        zoom_key ctrl+KP_Subtract smaller same "$state"
        zoom_key alt+KP_Add same larger "$state"
        zoom_key alt+KP_Subtract same smaller "$state"
        # The server starts with Num Lock off; the key toggles it.
        if [[ $state == off ]]; then
            x11_keys "$X11_MAIN" Num_Lock
        fi
    done
}

# Alt+G, Add, a formula, Return: the graph is in the saved document.
scenario_add_graph_keyboard()
{
    copy_example waves.cvx
    step "open the document"
    x11_open_document "$DOC"
    settle
    step "Graph menu > Add new graph..."
    open_graph_menu
    xdotool key a
    step "type the formula into the sheet, Return"
    fill_add_sheet 'x^2'
    step "save"
    x11_wait_title "$X11_MAIN" '\* - Curvix$' "the document is not modified after adding a graph"
    x11_save "$X11_MAIN" "$DOC"
    expressions "$DOC" | grep -qx 'x^2' || fail "no graph x^2 in the saved document"
}

# The first Alt+G opens the Graph menu, and so does every later one.
scenario_graph_menu_alt_g()
{
    copy_example waves.cvx
    step "open the document"
    x11_open_document "$DOC"
    settle
    step "the first Alt+G opens a menu"
    press_alt_g || fail "no menu opened on the first Alt+G"
    step "Escape closes it; Alt+G opens it again"
    close_menu
    press_alt_g || fail "no menu opened on the second Alt+G"
    step "Return on its first item opens the Add new graph sheet"
    xdotool key Return
    x11_wait_window "$(x11_exact 'Add new graph')" "the Add new graph sheet (the menu was not the Graph menu)"
    local sheet=$X11_WIN
    x11_keys "$sheet" Escape
    x11_wait_gone "$sheet" "the Add new graph sheet"
}

# Return in the tangent dialog's argument field calculates the lines; the
# tangent then goes to the list through "Add to the list...".
scenario_tangent_enter()
{
    copy_example gallery.cvx
    local first expected
    first=$(expressions "$DOC" | head -n 1)
    expected=$("$CLI" tangent --kind 0 --at 1 "$first" | sed -n 's/^tangent: y = //p')
    [[ -n $expected ]] || fail "curvix-cli gave no tangent of $first"
    step "open the document"
    x11_open_document "$DOC"
    step "Graph menu > Add tangent/normal graph..."
    open_tangent_dialog
    local dialog=$DIALOG
    settle
    # The argument field has the focus; its text is replaced.
    step "type 1 into the argument field, Return"
    x11_keys "$dialog" ctrl+a
    x11_type "$dialog" 1
    x11_keys "$dialog" Return
    step "Alt+A (Add to the list...) opens the Add sheet"
    x11_keys "$dialog" alt+a
    x11_wait_window "$(x11_exact 'Add new graph')" \
        "the Add sheet after Alt+A (Return did not calculate, so Add to the list stayed disabled)"
    local sheet=$X11_WIN
    settle
    x11_keys "$sheet" Return
    x11_wait_gone "$sheet" "the Add new graph sheet"
    step "Escape closes the tangent dialog"
    x11_keys "$dialog" Escape
    x11_wait_gone "$dialog" "the tangent dialog"
    step "save"
    x11_save "$X11_MAIN" "$DOC"
    expressions "$DOC" | grep -qxF "$expected" ||
        fail "no tangent \"$expected\" in the saved document: $(expressions "$DOC" | paste -sd'|')"
}

# The pointer over the middle of the graph view (the right part of the
# main window, above the label strips).
point_at_view()
{
    eval "$(xdotool getwindowgeometry --shell "$X11_MAIN")"
    xdotool mousemove --window "$X11_MAIN" $((WIDTH * 2 / 3)) $((HEIGHT / 2))
    sleep 0.2
}

# The pointer over the labels right of the drawing (the strip is 65 pixels
# wide; the vertical scroll bar, when there is one, lies right of it).
point_at_right_labels()
{
    eval "$(xdotool getwindowgeometry --shell "$X11_MAIN")"
    xdotool mousemove --window "$X11_MAIN" $((WIDTH - 50)) $((HEIGHT / 2))
    sleep 0.2
}

# Turns the wheel once over the view (or where the fifth argument points)
# with keys held; checks which axes of the saved zoom grew or shrank.
wheel_zoom()
{
    local keys=$1 button=$2 expectX=$3 expectY=$4 where=${5:-point_at_view}
    step "wheel button $button with $keys held ($where)"
    x11_activate "$X11_MAIN"
    $where
    xdotool keydown $keys click "$button" keyup $keys
    check_saved_zoom "$expectX" "$expectY" "the wheel with $keys"
}

wait_until_computed()
{
    step "wait until the graphs are computed"
    open_tangent_dialog
    x11_keys "$DIALOG" Escape
    x11_wait_gone "$DIALOG" "the tangent dialog"
}

scenario_ctrl_wheel_zoom()
{
    copy_example gallery.cvx
    ZOOM_X=$(zoom "$DOC" X)
    ZOOM_Y=$(zoom "$DOC" Y)
    x11_open_document "$DOC"
    wait_until_computed
    wheel_zoom ctrl 4 larger larger
    wheel_zoom ctrl 5 smaller smaller
    wheel_zoom ctrl+shift 4 larger same
    wheel_zoom ctrl+shift 5 smaller same
    # Window managers take Ctrl+Alt+wheel for themselves (this one switches
    # desktops): over the Y labels Ctrl+wheel zooms the Y-axis alone.
    wheel_zoom ctrl 4 same larger point_at_right_labels
    wheel_zoom ctrl 5 same smaller point_at_right_labels
    step "the plain wheel scrolls and does not zoom"
    point_at_view
    xdotool click 5
    sleep 0.3
    x11_title_matches "$X11_MAIN" '^[^*]* - Curvix$' || fail "the plain wheel changed the document"
}

# The main window's pixels into a file.
shoot()
{
    import -display "$DISPLAY" -window "$X11_MAIN" "$X11_DIR/$1.png" 2>/dev/null || fail "no screenshot"
}

# Pixels that differ between two screenshots. Smoothed curves drawn again
# where a scrolled band meets the copied picture may blend a few pixels
# otherwise.
changed_pixels()
{
    compare -metric AE "$X11_DIR/$1.png" "$X11_DIR/$2.png" null: 2>&1 | cut -d' ' -f1
}

picture_moved()
{
    shoot now
    (($(changed_pixels before now) > 1000))
}

scenario_drag_pan()
{
    copy_example gallery.cvx
    x11_open_document "$DOC"
    wait_until_computed
    x11_activate "$X11_MAIN"
    point_at_view
    # The first click takes the keyboard focus to the view, which repaints
    # the graph list's selection.
    xdotool click 1
    sleep 0.5
    shoot before
    step "a click without movement leaves the picture"
    xdotool mousedown 1 mouseup 1
    sleep 0.5
    shoot click
    (($(changed_pixels before click) == 0)) || fail "a click moved the picture"
    step "dragging moves it"
    xdotool mousedown 1 mousemove_relative -- 40 30 mousemove_relative -- 40 30 mouseup 1
    x11_poll "$X11_WAIT" picture_moved || fail "the picture did not move with the drag"
    step "dragging back restores it"
    xdotool mousedown 1 mousemove_relative -- -40 -30 mousemove_relative -- -40 -30 mouseup 1
    point_at_view
    sleep 0.5
    shoot back
    local changed
    changed=$(changed_pixels before back)
    ((changed < 100)) || fail "the picture did not come back with the reverse drag ($changed pixels differ)"
    x11_title_matches "$X11_MAIN" '^[^*]* - Curvix$' || fail "a drag marked the document modified"
}

# The recovery copy of this run's program, once it exists.
recovery_copy()
{
    ls "$XDG_DATA_HOME"/Veltra/Curvix/recovery/recovery-*.cvx 2>/dev/null | head -n 1
}

has_recovery_copy()
{
    [[ -n $(recovery_copy) ]]
}

wait_for_recovery_copy()
{
    x11_poll "$X11_WAIT" has_recovery_copy || fail "$1"
}

scenario_recovery_after_kill()
{
    copy_example waves.cvx
    step "open the document and change it with Space in the graph list"
    x11_open_document "$DOC"
    settle
    x11_keys "$X11_MAIN" space
    x11_wait_title "$X11_MAIN" '\* - Curvix$' "Space did not mark the document modified"
    step "a recovery copy of the unsaved change appears"
    wait_for_recovery_copy "no recovery copy was written"
    local changed
    changed=$("$CLI" info "$(recovery_copy)")
    step "kill the program"
    pkill -KILL -P "${X11_PIDS[-1]}" || fail "no program to kill"
    x11_wait_gone "$X11_MAIN" "the killed program's window"
    step "the next start offers the lost document; Return restores it"
    x11_start_curvix "$DOC"
    x11_wait_window '^Curvix$' "the question about the lost document"
    local question=$X11_WIN
    settle
    x11_keys "$question" Return
    x11_wait_gone "$question" "the question about the lost document"
    x11_wait_window '^Untitled\* - Curvix$' "the restored, unsaved document"
    step "the restored document holds the lost change"
    wait_for_recovery_copy "the restored document kept no recovery copy"
    [[ $("$CLI" info "$(recovery_copy)") == "$changed" ]] ||
        fail "the restored document differs from the one that was lost"
}

clipboard_targets()
{
    xclip -o -selection clipboard -t TARGETS 2>/dev/null
}

clipboard_offers()
{
    clipboard_targets | grep -qx "$1"
}

clipboard_is()
{
    [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]
}

scenario_trace_copy()
{
    command -v xclip >/dev/null || fail "xclip is not installed (scripts/bootstrap installs it)"
    copy_example gallery.cvx
    local first
    first=$(expressions "$DOC" | head -n 1)
    [[ $first == "3*sin(x)" ]] || fail "gallery.cvx no longer starts with 3*sin(x) but with $first"
    x11_open_document "$DOC"
    wait_until_computed
    x11_activate "$X11_MAIN"
    point_at_view
    step "click the view, then take the pointer away from it"
    xdotool click 1
    sleep 0.3
    xdotool mousemove 0 0
    sleep 0.3
    step "T traces the first graph from x = 0; Right three times; Ctrl+C"
    echo -n "nothing copied" | xclip -selection clipboard
    x11_keys "$X11_MAIN" t Right Right Right ctrl+c
    # 200 samples a unit: three steps right of 0.
    local expected copied
    expected="x = 0.015; y = $(awk 'BEGIN { printf "%.10g", 3 * sin(0.015) }')"
    x11_poll "$X11_WAIT" clipboard_is "$expected" || {
        copied=$(xclip -o -selection clipboard 2>/dev/null)
        fail "the clipboard holds \"$copied\", not \"$expected\""
    }
    step "Escape ends the trace: Ctrl+C copies the picture instead of values"
    x11_keys "$X11_MAIN" Escape shift+Right ctrl+c
    x11_poll "$X11_WAIT" clipboard_offers image/png ||
        fail "after Escape Ctrl+C did not copy the picture (the clipboard offers $(clipboard_targets | paste -sd' '))"
}

# Delete in the graph list asks the Remove graph dialog, Return removes the
# graph, Ctrl+Z brings it back: the saved file is the original again.
scenario_delete_undo()
{
    copy_example waves.cvx
    cp "$DOC" "$X11_DIR/original.cvx"
    step "open the document"
    x11_open_document "$DOC"
    settle
    step "Down, Delete in the graph list"
    x11_keys "$X11_MAIN" Down Delete
    x11_wait_window "$(x11_exact 'Remove graph')" "the Remove graph dialog"
    local dialog=$X11_WIN
    settle
    step "Return removes the graph"
    x11_keys "$dialog" Return
    x11_wait_gone "$dialog" "the Remove graph dialog"
    x11_wait_title "$X11_MAIN" '\* - Curvix$' "no graph was removed: the document stayed unmodified"
    step "Ctrl+Z brings it back"
    x11_keys "$X11_MAIN" ctrl+z
    x11_wait_title "$X11_MAIN" '^[^*]* - Curvix$' "after Ctrl+Z the document is still marked modified"
    step "Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+Z undoes again"
    local key
    for key in ctrl+y ctrl+shift+z; do
        x11_keys "$X11_MAIN" "$key"
        x11_wait_title "$X11_MAIN" '\* - Curvix$' "$key did not redo the removal"
        x11_keys "$X11_MAIN" ctrl+z
        x11_wait_title "$X11_MAIN" '^[^*]* - Curvix$' "Ctrl+Z after $key left the document modified"
    done
    step "save and compare with the original"
    x11_save "$X11_MAIN" "$DOC"
    cmp -s "$DOC" "$X11_DIR/original.cvx" ||
        fail "the saved file differs from the original: $(expressions "$DOC" | paste -sd'|')"
}

# ----------------------------------------------------------------------------

if [[ $(type -t "scenario_$NAME") != function ]]; then
    echo "unknown scenario $NAME" >&2
    exit 2
fi
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || {
        echo "$tool is not installed" >&2
        exit 2
    }
done
x11_begin "$NAME"
"scenario_$NAME"
echo "PASS $NAME"
