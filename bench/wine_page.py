"""The wizard's download page against the bare library call under Wine:
vok.exe, driven by the robot, fetches one product from Download until the
installer lies in its downloads folder, and ftp_bench.exe --only-library
fetches the same file from the same server with SAPIFtpFileDownload64, in
turns, round after round. Prints MiB/s and the page's share of the library's
rate. bench/wine-page builds the programs and sets the environment.
    wine_page.py FTP_BENCH_EXE [--size MIB] [--rounds N]"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))

from harness import settings, wizard  # noqa: E402
from harness.catalogue import Catalogue  # noqa: E402
from harness.display import VirtualDisplay  # noqa: E402
from harness.ftp_server import FtpServer  # noqa: E402
from harness.robot import Robot  # noqa: E402
from harness.wine_prefix import WinePrefix  # noqa: E402
from harness.wizard import WizardProcess  # noqa: E402

MIB = 1 << 20
INSTALLER = Catalogue.installer_name(0)


def write_random(path, size):
    with open(path, "wb") as file:
        for offset in range(0, size, 16 * MIB):
            file.write(os.urandom(min(16 * MIB, size - offset)))


def windows_path(path):
    """The path as Wine's Z: drive shows the Unix file system."""
    return "Z:" + str(path).replace("/", "\\")


def settled():
    """Writes back what earlier rounds left in the page cache, so that no
    transfer pays for the one before it."""
    os.sync()


def time_page(prefix, log):
    """Seconds from the Download button's click to the installer in the
    downloads folder (the page's whole step, login and record upload with
    it), and the seconds that the robot's click took: the page started
    within them."""
    robot = Robot(prefix)
    process = WizardProcess(prefix, log)
    robot.wait_dialog(wizard.BEGIN, timeout=30)
    robot.click(wizard.BEGIN)
    robot.wait_dialog(wizard.PRODUCT_NEXT, timeout=20)
    robot.tick(wizard.PRODUCT_LIST, 0)
    robot.click(wizard.PRODUCT_NEXT)
    robot.wait_dialog(wizard.REGISTRATION_NEXT)
    robot.click(wizard.REGISTRATION_NEXT)
    robot.wait_dialog(wizard.READY_DOWNLOAD)
    # The robot posts the click and ends: the time runs from its end.
    settled()
    before = time.monotonic()
    robot.click(wizard.READY_DOWNLOAD)
    start = time.monotonic()
    installer = prefix.working_folder() / "downloads" / INSTALLER
    while not installer.exists():
        time.sleep(0.01)
    seconds = time.monotonic() - start
    robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)
    prefix.stop()
    process.reap()
    prefix.keep_server_running()
    installer.unlink()
    return seconds, start - before


def library_rate(prefix, ftp_bench, server, work):
    """MiB/s of one bare library download, as ftp_bench.exe measures it."""
    command = [str(settings.wine_run()), str(ftp_bench), f"127.0.0.1:{server.port}",
               windows_path(server.home), windows_path(work), "--rounds", "1",
               "--only-library", INSTALLER]
    settled()
    # A file, not a pipe: Wine's background processes inherit the output and
    # would keep a pipe open.
    with tempfile.TemporaryFile() as output:
        subprocess.run(command, env=prefix.environment, stdin=subprocess.DEVNULL,
                       stdout=output, check=True, timeout=600)
        output.seek(0)
        printed = output.read().decode()
    found = re.search(r"library\s+([\d.]+) MiB/s", printed)
    if not found:
        raise RuntimeError(f"ftp_bench printed no rate:\n{printed}")
    return float(found.group(1))


def report(label, page, library, note=""):
    print(f"{label:8} page {page:8.1f} MiB/s   library {library:8.1f} MiB/s   "
          f"page/library {page / library:.2f}{note}", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("ftp_bench")
    parser.add_argument("--size", type=int, default=1024, help="MiB (default 1024)")
    parser.add_argument("--rounds", type=int, default=3)
    arguments = parser.parse_args()

    folder = settings.work_folder()
    folder.mkdir(parents=True, exist_ok=True)
    source = folder / "source.bin"
    work = folder / "downloads"
    work.mkdir(exist_ok=True)
    display = VirtualDisplay(folder / "xvfb.log")
    server = FtpServer(folder / "server")
    prefix = None
    try:
        write_random(source, arguments.size * MIB)
        catalogue = Catalogue().product(0, "Bench Suite", "http://example.com/bench",
                                        installer=source)
        server.start(catalogue.write(folder / "catalogue"))
        source.unlink()
        print(f"wine-page: {arguments.size} MiB from 127.0.0.1:{server.port}, plain FTP, "
              f"{arguments.rounds} rounds")
        pages, libraries = [], []
        for round_number in range(1, arguments.rounds + 1):
            # A fresh prefix for every round: each run starts as a person's first.
            prefix = WinePrefix.fresh(folder / "prefix", display)
            seconds, click = time_page(prefix, folder / "vok.log")
            pages.append(arguments.size / seconds)
            libraries.append(library_rate(prefix, arguments.ftp_bench, server, work))
            prefix.stop()
            report(f"round {round_number}", pages[-1], libraries[-1],
                   f"   (the click took {click:.2f} s)")
        report("mean:", sum(pages) / len(pages), sum(libraries) / len(libraries))
        report("best:", max(pages), max(libraries))
    finally:
        if prefix is not None:
            prefix.stop()
        server.stop()
        display.stop()
        source.unlink(missing_ok=True)
        for leftover in (folder / "catalogue" / INSTALLER, server.home / INSTALLER):
            leftover.unlink(missing_ok=True)


if __name__ == "__main__":
    main()
