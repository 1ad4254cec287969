#!/usr/bin/env python3
"""The panel and the settings window in German and French, for a person to look at: the search
results, the actions menu, help, the clipboard tab and every page of the settings window."""

import os
import sys
import time

import app_desktop_test as t

# Window titles as xdotool patterns: it may see the title in Latin-1, so "è" is matched by ".+".
LANGUAGES = {"de": ("de_DE.UTF-8", "Zarvo-Einstellungen"), "fr": ("fr_FR.UTF-8", "Param.+tres de Zarvo")}


def panel_shots(language):
    t.shoot_search_and_actions(f"lang-{language}")
    t.shoot_help_and_copy(f"lang-{language}", "Eine kopierte Zeile\nune seconde ligne")
    t.shoot_clips(f"lang-{language}")
    t.hide_panel(timeout=2)


def languages():
    t.set_up_sandbox()
    for name in ("Bericht.pdf", "notes.txt"):
        with open(os.path.join(t.HOME, "Downloads", name), "w") as f:
            f.write("sample\n")
    for language, (locale, settings_title) in LANGUAGES.items():
        env = dict(os.environ, LANGUAGE=language, LC_ALL=locale)
        with t.zarvo_running(False, env, f"zarvo-{language}.log"):
            t.check(f"{language}: the panel shows", bool(t.wait_until(t.panel_has_keyboard, timeout=30)))
            time.sleep(0.5)
            panel_shots(language)
            t.run(t.ZARVO, "--settings", check_status=True)
            window = t.wait_until(lambda: t.first_window(f"^{settings_title}$"), timeout=10)
            t.check(f"{language}: the settings window has its translated title", bool(window))
            if window:
                t.settings_shots(window, language)
    return t.summary()


if __name__ == "__main__":
    sys.exit(languages())
