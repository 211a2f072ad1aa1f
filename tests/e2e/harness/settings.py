"""Where the harness finds the programs and scripts it runs: handed over by
CTest in the environment (tests/e2e/CMakeLists.txt)."""
import os
from pathlib import Path


def _path(variable):
    value = os.environ.get(variable)
    if not value:
        raise RuntimeError(f"{variable} is not set: run the end-to-end tests through CTest")
    return Path(value)


def _existing_program(variable):
    path = _path(variable)
    if not path.is_file():
        raise RuntimeError(f"{path.name} is not built yet: {path}")
    return path


def vok_exe(plain=False):
    """The wizard as built (FTPS, trusting the test CA alone), or its twin
    built for a plain server."""
    return _existing_program("VOK_E2E_VOK_PLAIN" if plain else "VOK_E2E_VOK")


def vok_web_exe():
    """The wizard built for a web server (server_url()), trusting the test CA alone."""
    return _existing_program("VOK_E2E_VOK_WEB")


def test_certificates():
    """tests/servers/make-test-certificates' folder: the test CA and the
    servers' certificates."""
    return _path("VOK_E2E_CERTIFICATES")


def robot_exe():
    return _existing_program("VOK_E2E_ROBOT")


def command_recorder_exe():
    """A stand-in program that logs the command line of each start."""
    return _existing_program("VOK_E2E_RECORDER")


def trust_root_exe():
    """Adds a PEM certificate to a prefix's trusted roots."""
    return _existing_program("VOK_E2E_TRUST_ROOT")


def wine_run():
    """cmake/wine-run: wine with the project's settings."""
    return _path("VOK_E2E_WINE_RUN")


def ftp_server_scripts():
    """tests/servers: start-pyftpdlib, stop-ftp-server and sign-installer."""
    return _path("VOK_E2E_SERVERS")


def work_folder():
    """Room for the Wine prefix template and one folder per case."""
    return _path("VOK_E2E_WORK")


def server_url():
    """The base address that vok-web.exe was built with."""
    return os.environ.get("VOK_E2E_SERVER_URL", "https://127.0.0.1:2443/vok/")


def web_port():
    """The port of server_url(), which must be on 127.0.0.1."""
    prefix = "https://127.0.0.1:"
    url = server_url()
    port = url[len(prefix):].partition("/")[0]
    if not url.startswith(prefix) or not port.isdigit():
        raise RuntimeError(f"vok-web.exe must be built for https://127.0.0.1:PORT/..., not {url}")
    return int(port)


def web_path():
    """The path of server_url(), with its slashes: /vok/."""
    return "/" + server_url().split("/", 3)[3]


def ftp_port():
    """The port of the server address that vok.exe was built with."""
    host = os.environ.get("VOK_E2E_FTP_HOST", "127.0.0.1:2121")
    address, _, port = host.partition(":")
    if address != "127.0.0.1" or not port.isdigit():
        raise RuntimeError(f"vok.exe must be built for a server on 127.0.0.1:PORT, not {host}")
    return int(port)
