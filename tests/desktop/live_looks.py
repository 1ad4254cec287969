"""The desktop switches between light and dark while the application runs (a stand-in portal emits
SettingChanged as GNOME's and KDE's do): the panel's text, its Open With bar and the settings window
follow at once. Screenshots of each step, and one over a busy window, for a person to look at."""

import collections
import os
import subprocess
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def pixels(path, box):
    """{(x, y): (r, g, b)} of a box (x, y, w, h) of a screenshot."""
    x, y, w, h = box
    out = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "txt:-"],
                         capture_output=True, text=True, timeout=20).stdout
    found = {}
    for line in out.splitlines()[1:]:
        where, _, rest = line.partition(":")
        px, py = (int(v) for v in where.split(","))
        values = rest.split("(", 1)[1].split(")", 1)[0].split(",")
        found[(px, py)] = tuple(round(float(v)) for v in values[:3])
    return found


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def most_common(colours):
    return collections.Counter(colours).most_common(1)[0][0]


def text_against_background(path, box):
    """The background (most common colour) of a box and the contrast of the colour farthest from it."""
    found = pixels(path, box)
    background = most_common(found.values())
    ink = max(found.values(), key=lambda c: sum(abs(a - b) for a, b in zip(c, background)))
    return background, contrast(ink, background)


def probe_icon_theme(h):
    """An installed icon theme whose text-file icon is plain magenta, to tell from Adwaita's."""
    theme = os.path.join(h.HOME, ".local/share/icons/ProbeIcons")
    os.makedirs(os.path.join(theme, "48x48/mimetypes"))
    h.write(os.path.join(theme, "index.theme"), "[Icon Theme]\nName=ProbeIcons\nInherits=Adwaita\n"
            "Directories=48x48/mimetypes\n\n[48x48/mimetypes]\nSize=48\nType=Threshold\n")
    for name in ("text-plain", "text-x-generic"):
        h.run("convert", "-size", "48x48", "xc:#ff00ff", os.path.join(theme, "48x48/mimetypes", name + ".png"),
              check_status=True)


def magenta(path, box):
    return sum(1 for r, g, b in pixels(path, box).values() if r > 200 and g < 60 and b > 200)


def tray_keycap(h):
    """A black tray (trayer, embedding icons): the keycap is drawn light on it."""
    trays = h.windows("^panel$")
    if not h.check("a tray is shown", bool(trays)):
        return
    x, y, w, hh = h.geometry(trays[0])
    shot = os.path.join(h.SHOTS, f"live-tray-{h.TAG}.png")
    h.run("import", "-window", "root", "-crop", f"{w}x{hh}+{x}+{y}", "+repage", shot)
    light = sum(1 for r, g, b in pixels(shot, (0, 0, w, hh)).values() if min(r, g, b) > 200)
    h.check(f"on a black tray the keycap is drawn light ({light} light pixels)", light >= 20)


def run(h):
    h.set_up_sandbox()
    probe_icon_theme(h)
    os.environ["XDG_CURRENT_DESKTOP"] = "XFCE"
    tray = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                             "--height", "28", "--transparent", "true", "--alpha", "0", "--tint", "0x000000"])
    h.wait_until(lambda: h.windows("^panel$"), timeout=10)
    downloads = os.path.join(h.HOME, "Downloads")
    h.write(os.path.join(downloads, "notes.txt"), "sample\n")
    h.write(os.path.join(h.HOME, ".local/share/applications/probe-editor.desktop"),
            "[Desktop Entry]\nType=Application\nName=Probe Editor\nExec=true %F\nMimeType=text/plain;\n")
    portal = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "stand_in_portal.py"), "2"],
                              stdout=subprocess.PIPE, text=True)
    portal.stdout.readline()

    def scheme(value):
        h.run("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.portal.Desktop",
              "/org/freedesktop/portal/desktop", "org.zarvo.StandIn.Set", f"uint32:{value}", check_status=True)
        time.sleep(0.8)

    app = h.start_zarvo()
    try:
        h.wait_until(h.panel_has_keyboard, timeout=10)
        h.type_text("~/Downloads/notes.txt", 0.8, delay=20)
        w = h.geometry(h.panel())[2]
        # The query's text in the search bar; a strip of the Open With bar right of its last application.
        field = (46, 14, 320, 34)
        bar = (w - 90, 96, 60, 24)
        top = (w - 90, 4, 60, 8)
        for step, value, dark in (("light", None, False), ("dark", 1, True), ("light-again", 2, False)):
            if value is not None:
                scheme(value)
            h.panel_shot(f"live-{step}-{h.TAG}")
            shot = os.path.join(h.SHOTS, f"live-{step}-{h.TAG}.png")
            background, ratio = text_against_background(shot, field)
            h.check(f"{step}: the panel is {'dark' if dark else 'light'}",
                    (luminance(background) < 0.2) == dark, f"background={background}")
            h.check(f"{step}: the query's text stands out (contrast {ratio:.1f})", ratio >= 4.5)
            _, named = text_against_background(shot, (80, 94, 200, 28))
            h.check(f"{step}: the Open With bar names its application (contrast {named:.1f})", named >= 3)
            bar_colour = most_common(pixels(shot, bar).values())
            top_colour = most_common(pixels(shot, top).values())
            h.check(f"{step}: the Open With bar is on the panel's background",
                    max(abs(a - b) for a, b in zip(bar_colour, top_colour)) <= 6,
                    f"bar={bar_colour} panel={top_colour}")
        # Xfce's settings daemon says the icon theme changed: the row's icon follows without a restart.
        h.check("before: the file's icon is Adwaita's", magenta(shot, (16, 168, 32, 32)) == 0)  # light-again
        h.run("xfconf-query", "-c", "xsettings", "-p", "/Net/IconThemeName", "-n", "-t", "string", "-s",
              "ProbeIcons", check_status=True)
        time.sleep(0.8)
        # xfwm4 reloads its own looks on an xsettings change and may take the focus, which hides the panel.
        if not h.panel():
            h.run(h.ZARVO, "--toggle", check_status=True)
            h.wait_until(h.panel_has_keyboard)
            time.sleep(0.5)
        h.panel_shot(f"live-icons-{h.TAG}")
        h.check("after Net/IconThemeName changes the file's icon is the new theme's",
                magenta(os.path.join(h.SHOTS, f"live-icons-{h.TAG}.png"), (16, 168, 32, 32)) > 300)
        tray_keycap(h)
        h.key("Escape")
        h.hide_panel()
        window, _ = h.open_settings()
        h.check("the settings window shows", bool(window))
        if window:
            h.window_shot(window, f"live-settings-light-{h.TAG}")
            scheme(1)
            h.window_shot(window, f"live-settings-dark-{h.TAG}")
            path = os.path.join(h.SHOTS, f"live-settings-dark-{h.TAG}.png")
            sx, sy, sw, sh = h.geometry(window)
            background, ratio = text_against_background(path, (0, 0, sw, min(sh, 200)))
            h.check("the open settings window turns dark", luminance(background) < 0.2, f"background={background}")
            h.check(f"and its text stands out (contrast {ratio:.1f})", ratio >= 4.5)
            h.key("Escape")
            h.wait_until(lambda: not h.settings_window())
        # Over a busy window the panel stays legible (the screenshot is for a person to judge).
        busy = os.path.join(h.SANDBOX, "busy.png")
        h.run("convert", "-size", "1600x1000", "pattern:checkerboard", "-fill", "red", "-pointsize", "40",
              "-annotate", "+40+200", "Busy window behind the panel " * 3, busy, check_status=True)
        viewer = subprocess.Popen(["display", "-title", "Busy", "-geometry", "+0+0", busy])
        h.wait_until(lambda: h.windows("^Busy$"), timeout=10)
        for value, look in ((2, "light"), (1, "dark")):
            scheme(value)
            h.run(h.ZARVO, "--toggle", check_status=True)
            h.wait_until(h.panel_has_keyboard)
            time.sleep(0.6)
            h.panel_shot(f"live-over-busy-{look}-{h.TAG}")
            h.key("Escape")
            h.hide_panel()
        viewer.kill()
    finally:
        h.quit_zarvo(app)
        portal.kill()
        tray.kill()
    h.log_is_clean()
    return h.summary()
