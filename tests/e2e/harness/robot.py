"""robot.exe, run in the case's Wine prefix: one action on the wizard's
windows per call (tools/robot/robot.cpp lists the commands)."""
import subprocess
import tempfile

from harness import settings


class RobotFailure(AssertionError):
    """An action that could not be done: the window or control never came."""


class Robot:
    def __init__(self, prefix):
        self.prefix = prefix

    def _run(self, *arguments, timeout=10):
        status, printed, complaint = self._start(arguments, timeout)
        # Now and then, on a loaded machine, Wine ends the robot with status 1
        # before it has run a line of its own: the robot says something on
        # every path, so a silent failure is tried once more.
        if status == 1 and not printed and not complaint:
            status, printed, complaint = self._start(arguments, timeout)
        if status != 0:
            raise RobotFailure(f"robot {' '.join(map(str, arguments))} (exit {status}): "
                               f"{complaint.strip()}")
        return printed[:-1] if printed.endswith("\n") else printed

    def _start(self, arguments, timeout):
        command = [str(settings.wine_run()), str(settings.robot_exe()), "--timeout",
                   str(timeout), *map(str, arguments)]
        # Files, not pipes: Wine's own background processes, when the robot's
        # start happens to launch them, inherit the output and keep a pipe open.
        with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
            status = subprocess.run(command, env=self.prefix.environment,
                                    stdin=subprocess.DEVNULL, stdout=output, stderr=errors,
                                    timeout=timeout + 30).returncode
            output.seek(0)
            errors.seek(0)
            return status, output.read().decode(), errors.read().decode(errors="replace")

    def _lines(self, *arguments):
        output = self._run(*arguments)
        return output.split("\n") if output else []

    def wait_dialog(self, control_id, timeout=10):
        """Waits for the enabled dialog that holds control_id; its caption."""
        return self._run("wait-dialog", control_id, timeout=timeout)

    def click(self, button_id):
        self._run("click", button_id)

    def mouse_click(self, control_id):
        """Clicks the control with the mouse, as a hand does: a control
        whose dialog lies disabled beneath a modal one does not get it."""
        self._run("mouse-click", control_id)

    def is_enabled(self, control_id):
        """Whether the dialog that holds control_id takes input."""
        return self._run("read-enabled", control_id) == "1"

    def close(self, control_id):
        """Closes the dialog that holds control_id with its close box."""
        self._run("close", control_id)

    def type_text(self, edit_id, text):
        """Replaces the text of an edit box."""
        self._run("type", edit_id, text)

    def select(self, list_id, index):
        """Highlights an entry of a list box."""
        self._run("select", list_id, index)

    def tick(self, list_id, index):
        self._run("tick", list_id, index)

    def untick(self, list_id, index):
        self._run("untick", list_id, index)

    def read_ticks(self, list_id):
        """One bool per entry of a check list."""
        return [line == "1" for line in self._lines("read-ticks", list_id)]

    def read_text(self, control_id):
        return self._run("read-text", control_id)

    def read_progress(self, bar_id):
        """The position of a progress bar."""
        return int(self._run("read-progress", bar_id))

    def read_list(self, list_id):
        return self._lines("read-list", list_id)

    def wait_message(self, timeout=10):
        """Waits for a message box; its text."""
        return self._run("wait-message", timeout=timeout)

    def message_within(self, seconds):
        """The text of a message box that comes up within seconds, or None."""
        try:
            return self.wait_message(timeout=seconds)
        except RobotFailure:
            return None

    def answer(self, button="ok"):
        self._run("answer", button)

    def screenshot(self, path):
        """A bitmap file of the screen area that the wizard's dialogs cover."""
        self._run("screenshot", f"Z:{path}")

    def read_layout(self, control_id):
        """robot read-layout's lines for the dialog that holds control_id."""
        return self._run("read-layout", control_id)

    def read_item_height(self, list_id):
        return int(self._run("read-item-height", list_id))

    def read_focus(self, control_id):
        """The id of the control with the keyboard focus in the dialog that
        holds control_id; 0 when the focus is elsewhere."""
        return int(self._run("read-focus", control_id))
