"""Real key events on the case's virtual display, as a person's keyboard
sends them: xdotool through the X test extension, no window messages.

What Wine 8 on Xvfb without a window manager does with them: Wine draws its
own frames (Managed N) and moves the X input focus itself to the window it
activates, a page or a message box alike, and hands each key to the focus
of its own foreground window. So no windowactivate or windowfocus is needed
(windowactivate and getactivewindow fail: no window manager sets
_NET_ACTIVE_WINDOW). Until Wine has given the focus to its first window the
X focus is PointerRoot and a key goes nowhere: every press waits for a
window to hold the focus first."""
import os
import subprocess
import time

# Between two keys of one press, for keys that open or close a window.
KEY_DELAY_MS = 50


class Keyboard:
    def __init__(self, display):
        self.environment = dict(os.environ, DISPLAY=display.name)

    def press(self, *keys):
        """Keys by X key name, one after the other: "Tab", "shift+Tab",
        "space", "Return", "Escape", "Down"."""
        self._xdotool("key", "--delay", str(KEY_DELAY_MS), *keys)

    def type(self, text):
        """Text, one key a character."""
        self._xdotool("type", "--delay", str(KEY_DELAY_MS), text)

    def _xdotool(self, *arguments):
        self._wait_for_focus_window()
        subprocess.run(["xdotool", *arguments], env=self.environment, check=True, timeout=60)

    def _wait_for_focus_window(self, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            # Fails while the focus is PointerRoot or None: no window's name to read.
            if subprocess.run(["xdotool", "getwindowfocus", "getwindowname"],
                              env=self.environment, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, check=False).returncode == 0:
                return
            time.sleep(0.1)
        raise AssertionError("no window took the X input focus")
