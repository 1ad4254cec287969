"""Shared by the desktop, session and accessibility tests: checks counted and printed one a line, the
X server's windows through xprop and xdotool, keys, screenshots, Zarvo started and quit. The run scripts
(tests/lib/desktop.sh) set the sandbox's environment this reads."""

import contextlib
import os
import subprocess
import time

SANDBOX = os.environ["ZARVO_SANDBOX"]
HOME = os.environ["HOME"]
SHOTS = os.environ.get("ZARVO_SCREENSHOTS", SANDBOX)
ZARVO = os.environ["ZARVO"]
CLI = os.environ.get("ZARVO_CLI", "")
WM = os.environ.get("ZARVO_WM", "")
MODE = os.environ.get("ZARVO_MODE", "")
TAG = f"{WM}-{MODE}" if WM else ""
counts = {"passed": 0, "failed": 0}


def check(name, condition, detail=""):
    counts["passed" if condition else "failed"] += 1
    prefix = f"{TAG}: " if TAG else ""
    print(f"{'ok  ' if condition else 'FAIL'} {prefix}{name}" + ("" if condition else f" {detail}"), flush=True)
    return condition


def run(*args, check_status=False, env=None, timeout=20):
    result = subprocess.run(args, capture_output=True, text=True, env=env, timeout=timeout)
    if check_status and result.returncode != 0:
        raise RuntimeError(f"{args} failed: {result.stderr}")
    return result


def wait_until(condition, timeout=8.0, step=0.02):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


def active_window():
    # "window id # 0x80000c" (xfwm4 adds ", 0x0")
    out = run("xprop", "-root", "_NET_ACTIVE_WINDOW").stdout
    try:
        return int(out.split("#", 1)[1].split(",")[0], 16)
    except (ValueError, IndexError):
        return 0


def windows(name):
    out = run("xdotool", "search", "--onlyvisible", "--name", name).stdout.split()
    return [int(w) for w in out]


def first_window(name):
    """The first shown window whose title matches `name`, or 0."""
    return (windows(name) or [0])[0]


def wm_is_up():
    return "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout


def panel():
    return first_window("^Zarvo$")


def panel_has_keyboard():
    p = panel()
    return p != 0 and active_window() == p


def shot(name):
    run("import", "-window", "root", os.path.join(SHOTS, f"{name}-{TAG}.png"))


def key(*keys, settle=0.0):
    """The keys pressed, and `settle` seconds for what they set off to show."""
    run("xdotool", "key", "--clearmodifiers", *keys)
    time.sleep(settle)


def type_text(text, settle=0.6, delay=30):
    run("xdotool", "type", "--delay", str(delay), text)
    time.sleep(settle)


def hide_panel(timeout=8.0):
    """Esc, and the panel gone."""
    key("Escape")
    return wait_until(lambda: not panel(), timeout=timeout)


def type_into_panel(text, settle=0.6):
    """Shows the panel (through --toggle) unless it is up, and types `text` over what it holds."""
    if not panel():
        run(ZARVO, "--toggle", check_status=True)
    check(f"the panel takes the keyboard for “{text}”", wait_until(panel_has_keyboard, timeout=10))
    run("xdotool", "key", "ctrl+a", "BackSpace")
    type_text(text, settle)


def write(path, text, executable=False):
    """`text` as the whole of a file, its folders made first; returns the path."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)
    if executable:
        os.chmod(path, 0o755)
    return path


def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError:  # gone, or not ours to read
        return ""


def focus(window):
    # Asking for the window that is already active would leave the request queued at the window
    # manager (xdotool's --sync returns at once), to be carried out after the next key.
    if active_window() == window:
        return True
    run("xdotool", "windowactivate", "--sync", str(window))
    return wait_until(lambda: active_window() == window, timeout=5)


def start_zarvo(panel_at_launch=True, env=None, log="zarvo.log"):
    out = open(os.path.join(SANDBOX, log), "w")
    process = subprocess.Popen([ZARVO], stdout=out, stderr=subprocess.STDOUT, env=env)
    if panel_at_launch:
        shown = wait_until(panel, timeout=30)
        check("the panel shows once at launch", bool(shown))
    return process


@contextlib.contextmanager
def zarvo_running(panel_at_launch=True, env=None, log="zarvo.log"):
    """start_zarvo, and at the end --quit (or a kill) unless the block ended it."""
    app = start_zarvo(panel_at_launch, env, log)
    try:
        yield app
    finally:
        if app.poll() is None:
            quit_zarvo(app)


def geometry(window):
    out = run("xdotool", "getwindowgeometry", "--shell", str(window)).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def panel_shot(name):
    x, y, w, h = geometry(panel())
    run("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", os.path.join(SHOTS, f"{name}.png"))


def quit_zarvo(app):
    run(ZARVO, "--quit")
    try:
        app.wait(timeout=10)
        return True
    except subprocess.TimeoutExpired:
        app.kill()
        return False


def log_is_clean():
    log = read(os.path.join(SANDBOX, "zarvo.log"))
    return check("nothing went wrong in the application's log", "runtime error" not in log and "ERROR:" not in log,
                 log[-2000:])


def summary():
    print(f"{counts['passed']} passed, {counts['failed']} failed")
    return 1 if counts["failed"] or not counts["passed"] else 0


def folder_opener():
    """A Downloads folder and a file manager that records the folders it is asked to open, in
    ~/opened.txt; returns the sandbox's applications folder."""
    os.makedirs(os.path.join(HOME, "Downloads"), exist_ok=True)
    apps = os.path.join(HOME, ".local/share/applications")
    opener = write(os.path.join(SANDBOX, "open-folder.sh"),
                   '#!/bin/sh\nfor a in "$@"; do echo "$a" >> "$HOME/opened.txt"; done\n', executable=True)
    write(os.path.join(apps, "test-files.desktop"),
          f"[Desktop Entry]\nType=Application\nName=Test Files\nExec={opener} %U\nMimeType=inode/directory;\n")
    write(os.path.join(HOME, ".config/mimeapps.list"), "[Default Applications]\ninode/directory=test-files.desktop\n")
    return apps
