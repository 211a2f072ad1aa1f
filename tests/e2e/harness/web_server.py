"""The case's web server, for the wizard built with a base address
(VOK_SERVER_URL) instead of an FTP server: nginx through tests/servers/
start-nginx on the address's port, with the test CA's certificate. Its home
starts as a copy of a seed folder whose folder of the base address's path
holds the catalogue, and that folder takes the registration records by PUT
for the wizard's account."""
import subprocess
from pathlib import Path

from harness import settings


class WebServer:
    def __init__(self, state_dir):
        self.state_dir = Path(state_dir)
        self.port = settings.web_port()

    @property
    def home(self):
        return self.state_dir / "home"

    def folder(self):
        """Where the base address points: files.vok, the bitmaps, the
        installers and the records that arrive."""
        return self.home / settings.web_path().strip("/")

    def start(self, seed_folder):
        """seed_folder: the tree to serve, the base address's folder in it."""
        script = settings.ftp_server_scripts() / "start-nginx"
        subprocess.run([str(script), str(self.state_dir), str(self.port),
                        str(settings.test_certificates()), "--seed", str(seed_folder),
                        "--records", settings.web_path()],
                       stdin=subprocess.DEVNULL, check=True, timeout=60)

    def requests(self):
        """nginx's access log: one line per request, in order."""
        log = self.state_dir / "access.log"
        return log.read_text().splitlines() if log.exists() else []

    def stop(self):
        _stop(self.state_dir)


class ScriptedWebServer:
    """tests/servers' scripted HTTPS server, for the faults that nginx does
    not play on demand (https-scripted-server.py names them), with the test
    certificate on port; it serves what is put into home once it runs."""

    def __init__(self, state_dir, port):
        self.state_dir = Path(state_dir)
        self.port = port

    @property
    def home(self):
        return self.state_dir / "home"

    def start(self):
        script = settings.ftp_server_scripts() / "start-https-scripted"
        subprocess.run([str(script), str(self.state_dir), str(self.port),
                        str(settings.test_certificates() / "server")],
                       stdin=subprocess.DEVNULL, check=True, timeout=60)

    def requests(self):
        """The request lines it logged, in order."""
        log = self.state_dir / "server.log"
        text = log.read_text(errors="replace") if log.exists() else ""
        return [line.split('"')[1] for line in text.splitlines() if line.count('"') >= 2]

    def stop(self):
        _stop(self.state_dir)


def _stop(state_dir):
    script = settings.ftp_server_scripts() / "stop-ftp-server"
    subprocess.run([str(script), str(state_dir)], check=True, timeout=60)
