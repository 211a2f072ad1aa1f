"""A server home made for one case: the file list files.vok, in the
keyword-parameter syntax, and the files it names."""
import hashlib
import subprocess
from pathlib import Path


class Catalogue:
    def __init__(self, encoding="utf-8"):
        """encoding: how files.vok is written, as a vendor's editor would."""
        self.encoding = encoding
        self.lines = ["! made by the end-to-end tests"]
        self.files = {}

    def line(self, text):
        """A line as it is, such as a key without value."""
        self.lines.append(text)
        return self

    def bitmap(self, number, name, content=None):
        """BITMAPn naming a file; the server holds it only when content is given."""
        self.lines.append(f"BITMAP{number}: {name}")
        if content is not None:
            self.files[name] = content
        return self

    def product(self, number, display_name, url=None, installer=None, sha256=None):
        """PRODUCTn with its display name and, when given, its web address and
        its installer (bytes, or the path of a file too large to hold, such
        as a sparse one), stored on the server under a name of its own, and
        the text of its SHA256 key."""
        self.lines.append(f'PRODUCT{number}ID: "{display_name}"')
        if url is not None:
            self.lines.append(f'PRODUCT{number}URL: "{url}"')
        if installer is not None:
            self.lines += [f"PRODUCT{number}FILENAME: {self.installer_name(number)}",
                           f"PRODUCT{number}TEMPNAME: product{number}.part",
                           f"PRODUCT{number}FILESIZE: {_size(installer)}"]
            self.files[self.installer_name(number)] = installer
        if sha256 is not None:
            self.lines.append(f"PRODUCT{number}SHA256: {sha256}")
        return self

    @staticmethod
    def installer_name(number):
        return f"product{number}.exe"

    def write(self, folder, with_file_list=True):
        folder = Path(folder)
        folder.mkdir(parents=True, exist_ok=True)
        if with_file_list:
            # Stored with plain line ends, as on any Unix server; a text
            # transfer turns them into CR LF.
            (folder / "files.vok").write_text("\n".join(self.lines + [""]), encoding=self.encoding)
        for name, content in self.files.items():
            if isinstance(content, Path):
                # Copied with its holes: a sparse installer stays sparse.
                subprocess.run(["cp", "--sparse=always", str(content), str(folder / name)],
                               check=True)
            else:
                (folder / name).write_bytes(content)
        return folder


def _size(installer):
    return installer.stat().st_size if isinstance(installer, Path) else len(installer)


def sha256_of(content):
    return hashlib.sha256(content).hexdigest()


def installer_bytes(size):
    """An installer of size bytes in which a lost or doubled block shows."""
    pattern = bytes(range(256)) + bytes(range(255, -1, -1))[:251]
    return b"MZ" + (pattern * (size // len(pattern) + 1))[:size - 2]


# A server sending at this many bytes a second takes about 20 seconds over a
# slow installer: time enough to watch a download page and press its Stop.
SLOW_WRITE_LIMIT = 20_000


def slow_installer():
    return installer_bytes(400_000)


def one_product():
    """The plainest catalogue: one product with web address and installer."""
    return Catalogue().product(0, "Sample Terminal 4.2", "http://example.com/sterm",
                               installer=b"MZ a small installer")
