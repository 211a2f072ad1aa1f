"""What other programs leave on the machine for the wizard to find, seeded
into the case's Wine prefix: mail-client accounts in the registry, mail-client
settings files, and a registered web browser (the command recorder)."""
import shutil
import time

from harness import settings

OUTLOOK = r"HKCU\Software\Microsoft\Office\Outlook\OMI Account Manager\Accounts"
OUTLOOK_EXPRESS = r"HKCU\Software\Microsoft\Internet Account Manager\Accounts"
BROWSER_FOLDER = ("Program Files", "Web Browser")
BROWSER_PATH = r"C:\Program Files\Web Browser\browser.exe"


def add_mail_accounts(prefix, manager, addresses):
    """Account keys of one account manager: {number: address}."""
    for number, address in addresses.items():
        prefix.set_registry_text(rf"{manager}\{number:08d}", "SMTP Email Address", address)


def place_mail_settings(prefix, text, below_user):
    """A settings file of the third mail client: below the user's application
    data (as the logon user of the prefix) or below the program folder."""
    if below_user:
        folder = (prefix.drive_c / "Documents and Settings" / logon_user(prefix)
                  / "Application Data" / "Qualcomm" / "Eudora")
    else:
        folder = prefix.drive_c / "Program Files" / "Qualcomm" / "Eudora"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "Eudora.ini").write_text(text)


def logon_user(prefix):
    """The user name that Wine gives Windows programs: the profile folder's."""
    profiles = [p.name for p in (prefix.drive_c / "users").iterdir()
                if p.is_dir() and p.name != "Public"]
    return profiles[0]


def register_browser(prefix, extensions=(".htm",), command='"{path}" -nohome "%1"'):
    """The command recorder as the machine's web-page handler, registered for
    the given extensions only; returns its log of command lines."""
    folder = prefix.drive_c.joinpath(*BROWSER_FOLDER)
    folder.mkdir(parents=True, exist_ok=True)
    shutil.copy(settings.command_recorder_exe(), folder / "browser.exe")
    for extension in (".htm", ".html"):
        prefix.delete_registry_key(rf"HKLM\SOFTWARE\Classes\{extension}")
    for extension in extensions:
        prefix.set_registry_default(rf"HKLM\SOFTWARE\Classes\{extension}", "VokTestPage")
    prefix.set_registry_default(r"HKLM\SOFTWARE\Classes\VokTestPage\shell\open\command",
                                command.format(path=BROWSER_PATH))
    return CommandLog(folder / "browser.exe.log")


class CommandLog:
    """The command lines a recorder was started with."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        return self.path.read_text(encoding="utf-8").splitlines() if self.path.exists() else []

    def wait_for(self, count, timeout=15):
        deadline = time.monotonic() + timeout
        while len(self.lines()) < count and time.monotonic() < deadline:
            time.sleep(0.2)
        return self.lines()
