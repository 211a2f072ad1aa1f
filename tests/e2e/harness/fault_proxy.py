"""tests/servers/fault-proxy.py between the wizard and the case's server:
it takes the address that vok.exe was built for, relays to the server on a
port of its own, and injects one fault (see the proxy for the faults)."""
import subprocess
from pathlib import Path

from harness import settings


class FaultProxy:
    def __init__(self, state_dir, server_port):
        self.state_dir = Path(state_dir)
        self.port = settings.ftp_port()
        self.server_port = server_port

    def start(self, fault, only_file=None, after_bytes=None, stall_seconds=None, times=None,
              command=None):
        """Starts the proxy, in place of one that runs already. only_file:
        the data faults hit only the RETR of this name; after_bytes: where a
        data connection is cut or stalls; stall_seconds: how long it stalls;
        times: how many RETRs the data fault hits (every one without);
        command: the command whose reply hold-reply and hold-after wait for."""
        options = ["--fault", fault]
        if command is not None:
            options += ["--command", command]
        if times is not None:
            options += ["--times", str(times)]
        if stall_seconds is not None:
            options += ["--stall-seconds", str(stall_seconds)]
        if only_file is not None:
            options += ["--file", only_file]
        if after_bytes is not None:
            options += ["--after-bytes", str(after_bytes)]
        script = settings.ftp_server_scripts() / "start-fault-proxy"
        subprocess.run([str(script), str(self.state_dir), str(self.port), str(self.server_port),
                        *options], stdin=subprocess.DEVNULL, check=True, timeout=60)

    def stop(self):
        script = settings.ftp_server_scripts() / "stop-ftp-server"
        subprocess.run([str(script), str(self.state_dir)], check=True, timeout=60)
