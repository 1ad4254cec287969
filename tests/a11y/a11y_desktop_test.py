#!/usr/bin/env python3
"""The panel as a screen reader sees it: the accessibility tree and events over AT-SPI, read with
pyatspi while xdotool types as a user would. Prints one line per check and a closing count."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
import desktop  # noqa: E402
from desktop import HOME, SANDBOX, ZARVO, check, counts, key, read, summary, zarvo_running  # noqa: E402

events = []


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_until(condition, timeout=10.0):
    def attempt():
        pump(0.05)  # the events come in through GLib's loop
        try:
            return condition()
        except Exception:  # the tree changes under us while the panel redraws
            return None
    return desktop.wait_until(attempt, timeout, step=0)


def on_event(event):
    try:
        # Qt gives a row's path to the next row made after the first is gone: no cached name counts.
        event.source.clear_cache()
        events.append((event.type, event.source.getRole(), event.source.name, event.detail1,
                       event.source.getIndexInParent(), event.source.parent.name if event.source.parent else ""))
    except Exception:
        pass


def find(root, role, name=None):
    if root is None:
        return None
    return pyatspi.findDescendant(root, lambda o: o.getRole() == role and (name is None or o.name == name),
                                  breadth_first=True)


def zarvo_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zarvo":
            return app
    return None


def focused_items(parent_name, since):
    return [e for e in events[since:] if e[0] == "object:state-changed:focused" and e[3] == 1
            and e[1] == pyatspi.ROLE_LIST_ITEM and e[5] == parent_name]


def main():
    os.makedirs(os.path.join(HOME, "Downloads"), exist_ok=True)
    for kind in ("object:state-changed:focused", "object:state-changed:showing", "object:selection-changed"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    with zarvo_running(False, dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")):
        app = wait_until(zarvo_app, timeout=30)
        if not check("the application is on the accessibility bus", app):
            return
        field = wait_until(lambda: find(app, pyatspi.ROLE_TEXT, "Search"), timeout=20)
        check("the search field is found by role and name", field)
        # The panel shows at launch; the window manager hands it the keyboard a moment later.
        check("the field is focused and describes what to type",
              field and wait_until(lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
              and "help" in field.description, field and field.description)
        tabs = find(app, pyatspi.ROLE_PAGE_TAB_LIST)
        names = [t.name for t in tabs] if tabs else []
        check("the tab bar is a tab list of Run and Clipboard", names[:1] == ["Run"] and
              names[1:2] and names[1].startswith("Clipboard"), names)
        check("the shown tab is the selected one", tabs and tabs[0].getState().contains(pyatspi.STATE_SELECTED)
              and not tabs[1].getState().contains(pyatspi.STATE_SELECTED))

        subprocess.run(["xdotool", "type", "--delay", "60", "dl"], check=True)
        results = find(app, pyatspi.ROLE_LIST, "Results")
        first = wait_until(lambda: results[0].name == "Downloads" and results[0])
        check("typing dl makes the first item Downloads", first, results and [r.name for r in results])
        check("the item's kind and place follow its name",
              first and first.description.startswith("folder, ~/Downloads"), first and first.description)
        check("the first item is the selected one", first and first.getState().contains(pyatspi.STATE_SELECTED))

        mark = len(events)
        key("Down")
        moved = wait_until(lambda: focused_items("Results", mark))
        check("Down reports the second row as focused", moved and moved[-1][4] == 1, events[mark:])
        check("the text box keeps the keyboard", field.getState().contains(pyatspi.STATE_FOCUSED))
        key("Up")
        wait_until(lambda: results[0].getState().contains(pyatspi.STATE_SELECTED))

        mark = len(events)
        key("ctrl+k")
        opened = wait_until(lambda: focused_items("Actions", mark))
        actions = find(app, pyatspi.ROLE_LIST, "Actions")
        titles = [a.name for a in actions] if actions else []
        check("Ctrl+K reports the first action as focused", opened and opened[-1][4] == 0 and
              titles and opened[-1][2] == titles[0], events[mark:])
        check("every action has its title", len(titles) >= 3 and all(titles) and "Copy Path" in titles, titles)
        key("Escape")
        wait_until(lambda: find(app, pyatspi.ROLE_LIST, "Results").childCount > 0)

        mark = len(events)
        key("ctrl+shift+c")
        said = wait_until(lambda: [e for e in events[mark:] if e[0] == "object:state-changed:showing"
                                   and e[1] == pyatspi.ROLE_NOTIFICATION and e[3] == 1])
        check("a message shows as a notification", said and said[-1][2].startswith("Copied"), events[mark:])

        subprocess.run([ZARVO, "--settings"], check=True)
        recorder = wait_until(lambda: pyatspi.findDescendant(
            app, lambda o: o.name == "Show Zarvo" and o.getRole() != pyatspi.ROLE_LABEL))
        check("the settings name the hot-key recorder and say its keys",
              recorder and recorder.getRole() == pyatspi.ROLE_PUSH_BUTTON and "Super+R" in recorder.description,
              recorder and (recorder.getRoleName(), recorder.description))
        if recorder:
            recorder.queryAction().doAction(0)
            check("pressing the recorder says it waits for keys",
                  wait_until(lambda: recorder.description.startswith("Press keys")), recorder.description)
            recorder.queryAction().doAction(0)
            check("pressing it again says the keys again", wait_until(lambda: "Super+R" in recorder.description))
        combos = pyatspi.findAllDescendants(app, lambda o: o.getRole() == pyatspi.ROLE_COMBO_BOX)
        check("every choice in the settings is named by its label",
              combos and all(c.name for c in combos), [(c.name, c.getIndexInParent()) for c in combos])
    if counts["failed"]:
        print("--- zarvo.log (end)\n" + "".join(read(os.path.join(SANDBOX, "zarvo.log")).splitlines(True)[-30:]))


if __name__ == "__main__":
    main()
    sys.exit(summary())
