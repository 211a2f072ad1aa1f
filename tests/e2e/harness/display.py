"""A virtual X display for the case's windows: Xvfb on the first free display
number, which Xvfb picks itself and reports through -displayfd."""
import os
import select
import subprocess


class VirtualDisplay:
    def __init__(self, log_path):
        read_end, write_end = os.pipe()
        with open(log_path, "wb") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        os.close(write_end)
        try:
            self.name = ":" + self._read_display_number(read_end)
        except RuntimeError:
            self.stop()
            raise
        finally:
            os.close(read_end)

    @staticmethod
    def _read_display_number(read_end):
        """Reads up to the line end that Xvfb writes once it is ready."""
        received = b""
        while not received.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 20)
            piece = os.read(read_end, 32) if ready else b""
            if not piece:
                raise RuntimeError("Xvfb did not come up")
            received += piece
        return received.decode().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
