"""A throwaway Wine prefix per case, made quickly from a template prefix that
the first case builds with wineboot. The template's large program files are
shared by hard links; every other file (registry, settings) is copied, so a
case cannot change the template."""
import os
import shutil
import subprocess
import time
from pathlib import Path

from harness import settings

# Files that Wine only reads once a prefix exists.
_SHARED_SUFFIXES = {".dll", ".exe", ".drv", ".sys", ".ocx", ".cpl", ".acm", ".tlb", ".ax",
                    ".ds", ".msstyles", ".nls", ".ttf", ".fon"}


class WinePrefix:
    def __init__(self, path, display):
        self.path = Path(path)
        self.environment = dict(os.environ, WINEPREFIX=str(self.path), DISPLAY=display.name,
                                WINEDEBUG="-all")

    @classmethod
    def fresh(cls, path, display):
        """A new prefix at path, copied from the template."""
        template = _template(display)
        if Path(path).exists():
            shutil.rmtree(path)
        _copy_tree(template, Path(path))
        prefix = cls(path, display)
        prefix.keep_server_running()
        return prefix

    def keep_server_running(self):
        """One Wine server until stop: a program started while a server that
        has just lost its last client shuts down can fail."""
        subprocess.run(["wineserver", "-p"], env=self.environment, check=True, timeout=60)

    def start(self, program, log_path):
        """Starts a Windows program in the background."""
        with open(log_path, "wb") as log:
            return subprocess.Popen([str(settings.wine_run()), str(program)],
                                    env=self.environment, stdin=subprocess.DEVNULL,
                                    stdout=log, stderr=log, start_new_session=True)

    def set_registry_text(self, key, name, value, kind="REG_SZ"):
        """kind REG_EXPAND_SZ stores the text with its %VARIABLES% unexpanded."""
        self._write_registry("add", key, "/v", name, "/t", kind, "/d", value, "/f")

    def set_registry_default(self, key, value):
        """The unnamed default value of a key, as text."""
        self._write_registry("add", key, "/ve", "/t", "REG_SZ", "/d", value, "/f")

    def delete_registry_key(self, key):
        self._reg("delete", key, "/f")

    def _write_registry(self, *arguments):
        """reg.exe has been seen to fail once, without a reason, on a loaded
        machine; a write is tried a second time before the case fails, and
        what reg says is kept in reg.log beside the prefix."""
        if self._reg(*arguments) == 0:
            return
        time.sleep(1)
        if self._reg(*arguments) != 0:
            raise RuntimeError(f"reg failed twice:\n{self._reg_log.read_text(errors='replace')}")

    def trust_root(self, pem_path):
        """Adds the PEM certificate to the prefix's trusted roots (LocalMachine
        "Root"), as an administrator installs a company's root."""
        if self._run_logged(settings.trust_root_exe(), str(pem_path)) != 0:
            raise RuntimeError(f"trust_root failed:\n{self._reg_log.read_text(errors='replace')}")

    def _reg(self, *arguments):
        return self._run_logged("reg", *arguments)

    def _run_logged(self, program, *arguments):
        """Runs a console program in the prefix to its end, what it says kept
        in reg.log; returns its exit status."""
        with open(self._reg_log, "ab") as log:
            log.write(f"{program} {' '.join(arguments)}\n".encode())
            log.flush()
            return subprocess.run([str(settings.wine_run()), str(program), *arguments],
                                  env=self.environment, stdin=subprocess.DEVNULL, stdout=log,
                                  stderr=log, check=False, timeout=60).returncode

    @property
    def _reg_log(self):
        return self.path.parent / "reg.log"

    @property
    def drive_c(self):
        return self.path / "drive_c"

    def working_folder(self):
        """The wizard's working folder: on the Windows drive, or the fallback
        under the local application data folder when only that one exists."""
        preferred = self.drive_c / "Program Files" / "Orvane" / "vok"
        fallbacks = sorted(self.drive_c.glob("users/*/AppData/Local/Orvane/vok"))
        if preferred.is_dir() or not fallbacks:
            return preferred
        return fallbacks[0]

    def stop(self):
        """Ends every process of the prefix."""
        subprocess.run(["wineserver", "-k"], env=self.environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        subprocess.run(["wineserver", "-w"], env=self.environment, check=False, timeout=60)


def _template(display):
    template = settings.work_folder() / "prefix-template"
    ready_mark = template / "ready"
    if ready_mark.exists():
        return template
    if template.exists():
        shutil.rmtree(template)
    template.mkdir(parents=True)
    prefix = WinePrefix(template, display)
    subprocess.run(["wineboot", "-i"], env=prefix.environment, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=300)
    # Wine draws the window frames and captions itself: there is no window
    # manager on the virtual display.
    prefix.set_registry_text(r"HKCU\Software\Wine\X11 Driver", "Managed", "N")
    prefix.stop()
    ready_mark.touch()
    return template


def _copy_tree(source, destination):
    destination.mkdir(parents=True)
    for entry in os.scandir(source):
        target = destination / entry.name
        if entry.is_symlink():
            os.symlink(os.readlink(entry.path), target)
        elif entry.is_dir():
            _copy_tree(Path(entry.path), target)
        elif Path(entry.name).suffix.lower() in _SHARED_SUFFIXES:
            os.link(entry.path, target)
        else:
            shutil.copy2(entry.path, target)
