"""The case's FTP server: pyftpdlib through the project's scripts in
tests/servers, with the account the wizard has compiled in and a home that
starts as a copy of the case's catalogue."""
import subprocess
from pathlib import Path

from harness import settings


class FtpServer:
    def __init__(self, state_dir, port=None):
        """port: where the server listens; by default the address that
        vok.exe was built for."""
        self.state_dir = Path(state_dir)
        self.port = port or settings.ftp_port()

    @property
    def home(self):
        return self.state_dir / "home"

    def start(self, seed_folder, write_limit=0, store_delay=0, certificate=None):
        """write_limit: bytes a second that files are sent at (0: no limit);
        store_delay: seconds the server holds still before it answers a STOR;
        certificate: the name of a test certificate (make-test-certificates)
        that the server requires TLS with, or None for plain FTP."""
        script = settings.ftp_server_scripts() / "start-pyftpdlib"
        options = ["--seed", str(seed_folder), "--write-limit", str(write_limit),
                   "--store-delay", str(store_delay)]
        if certificate is not None:
            options += ["--tls", str(settings.test_certificates() / certificate)]
        subprocess.run([str(script), str(self.state_dir), str(self.port), *options],
                       stdin=subprocess.DEVNULL, check=True, timeout=60)

    def commands(self):
        """The command lines that clients sent, in order."""
        log = self.state_dir / "commands.log"
        return log.read_text().splitlines() if log.exists() else []

    def stop(self):
        script = settings.ftp_server_scripts() / "stop-ftp-server"
        subprocess.run([str(script), str(self.state_dir)], check=True, timeout=60)
