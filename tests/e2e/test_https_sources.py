"""Installers from HTTPS addresses (the products' SOURCE keys) while the
catalogue comes from the FTPS server: fetched from nginx beside one from the
FTP server, resumed across runs with the kept validator, a changed build
fetched afresh, through the proxy of the Internet settings, and refused with
their own boxes when the address or the certificate is not secure."""
import re
import subprocess
import unittest
from pathlib import Path

from harness import wizard
from harness.catalogue import Catalogue, installer_bytes, sha256_of
from harness.connect_proxy import ConnectProxy, internet_settings_blob
from harness.web_server import ScriptedWebServer, WebServer
from test_download import DownloadCase
from test_large_installer import remove_large_files, sha256_of_file, write_marked

ALPHA = installer_bytes(400_000)
BETA = installer_bytes(123_456)
NEW_BETA = b"MZ new build " + BETA[13:]
CONNECTIONS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections"
# Where start-nginx serves its files with an untrusted certificate.
UNTRUSTED_PORT_OFFSET = 3
# The scripted server's, past nginx's five.
SCRIPTED_PORT_OFFSET = 10


class HttpsSources(DownloadCase):
    def setUp(self):
        super().setUp()
        self.web = WebServer(self.folder / "web")
        self.addCleanup(self.web.stop)

    def source(self, path, port=None):
        return f"https://127.0.0.1:{port or self.web.port}/{path}"

    def serve(self, catalogue, **installers):
        """The catalogue on the FTPS server, the installers on nginx."""
        seed = self.folder / "web-seed" / "eval"
        seed.mkdir(parents=True)
        for name, content in installers.items():
            if isinstance(content, Path):
                subprocess.run(["cp", "--sparse=always", str(content), str(seed / f"{name}.exe")],
                               check=True)
            else:
                (seed / f"{name}.exe").write_bytes(content)
        self.web.start(seed.parent)
        self.start_server(catalogue)

    def product(self, catalogue, number, name, installer, source):
        return (catalogue.product(number, name, "http://example.com/eval", installer=installer,
                                  sha256=sha256_of(installer))
                .line(f'PRODUCT{number}SOURCE: "{source}"'))

    def answers(self, path):
        """(status, body bytes) of nginx's answers to GETs of path."""
        found = []
        for line in self.web.requests():
            match = re.search(r'"GET (\S+) HTTP/[\d.]+" (\d+) (\d+)', line)
            if match and match.group(1) == path:
                found.append((int(match.group(2)), int(match.group(3))))
        return found

    def etag(self, name):
        """nginx's ETag of an installer it serves: its time and size in hexadecimal."""
        served = self.web.home / "eval" / name
        return f'"{int(served.stat().st_mtime):x}-{served.stat().st_size:x}"'

    def test_products_from_nginx_and_the_ftp_server_in_one_run(self):
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA, self.source("eval/alpha.exe"))
        catalogue.product(1, "Beta Tools", "http://example.com/beta", installer=BETA)
        self.serve(catalogue, alpha=ALPHA)
        self.run_to_download(ticks=(0, 1))
        self.wait_finish_page()
        self.assert_installed("product0.exe", ALPHA)
        self.assert_installed("product1.exe", BETA)
        self.assertEqual(self.retrieved(), ["RETR files.vok", "RETR product1.exe"])
        self.assertEqual([status for status, _ in self.answers("/eval/alpha.exe")], [206])
        self.assertEqual(list(self.working_file("components").iterdir()), [],
                         "no partial file or validator stays")

    def test_a_partial_file_resumes_while_its_build_is_unchanged(self):
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA, self.source("eval/alpha.exe"))
        self.product(catalogue, 1, "Beta Tools", NEW_BETA, self.source("eval/beta.exe"))
        self.serve(catalogue, alpha=ALPHA, beta=NEW_BETA)
        # What an earlier run left: the validators nginx gave then (its ETag
        # is the file's time and size in hexadecimal), Beta's of an older build.
        components = self.working_file("components")
        components.mkdir(parents=True)
        (components / "product0.part").write_bytes(ALPHA[:100_000])
        (components / "product0.part.validator").write_text(self.etag("alpha.exe"))
        (components / "product1.part").write_bytes(BETA[:50_000])
        (components / "product1.part.validator").write_text('"older-build"')
        self.run_to_download(ticks=(0, 1))
        self.wait_finish_page()
        self.assert_installed("product0.exe", ALPHA)
        self.assert_installed("product1.exe", NEW_BETA)
        self.assertEqual(self.answers("/eval/alpha.exe"), [(206, len(ALPHA) - 100_000)])
        beta = self.answers("/eval/beta.exe")
        self.assertEqual([status for status, _ in beta], [200, 206], "refused, then from its start")
        self.assertEqual(beta[-1][1], len(NEW_BETA))

    def test_a_cut_is_resumed_within_the_run(self):
        scripted = ScriptedWebServer(self.folder / "scripted", self.web.port + SCRIPTED_PORT_OFFSET)
        self.addCleanup(scripted.stop)
        scripted.start()
        (scripted.home / "alpha.exe").write_bytes(ALPHA)
        path = "/cut-once/150000/alpha.exe"
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA,
                                 self.source(path[1:], scripted.port))
        self.serve(catalogue)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assert_installed("product0.exe", ALPHA)
        self.assertEqual([line for line in scripted.requests() if path in line],
                         [f"GET {path} HTTP/1.1"] * 2, "cut, then resumed")

    def test_the_proxy_of_the_internet_settings_carries_the_download(self):
        proxy = ConnectProxy()
        self.addCleanup(proxy.stop)
        self.prefix.set_registry_text(CONNECTIONS, "DefaultConnectionSettings",
                                      internet_settings_blob(proxy.address), kind="REG_BINARY")
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA, self.source("eval/alpha.exe"))
        self.serve(catalogue, alpha=ALPHA)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assert_installed("product0.exe", ALPHA)
        self.assertIn(f"127.0.0.1:{self.web.port}", proxy.targets)

    def test_a_redirect_to_plain_http_is_refused(self):
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA,
                                 self.source("insecure/eval/alpha.exe"))
        self.serve(catalogue, alpha=ALPHA)
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Alpha Suite could not be downloaded: "
                            "its address is not a secure https:// one.")
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())

    def test_an_untrusted_certificate_is_told_apart(self):
        untrusted = self.source("eval/alpha.exe", self.web.port + UNTRUSTED_PORT_OFFSET)
        catalogue = self.product(Catalogue(), 0, "Alpha Suite", ALPHA, untrusted)
        self.serve(catalogue, alpha=ALPHA)
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Alpha Suite could not be downloaded: "
                            "the host's certificate is not trusted.")
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())
        partial = self.working_file("components", "product0.part")
        self.assertFalse(partial.exists() and partial.stat().st_size > 0, "nothing of it kept")


class LargeHttpsInstaller(HttpsSources):
    SIZE = 4_617_089_843  # 4.3 GiB, sparse
    PARTIAL = 2_400_000_000  # past 2 GiB: the ranges start beyond 32-bit signed offsets

    def test_more_than_2_gib_arrive_in_ranges_of_1_gib(self):
        """Windows' HTTP stack ends one body after 2 GiB; the ranges keep
        every body within 1 GiB and the offsets past 4 GiB whole. Without a
        SHA256 key the wizard spends no time hashing: the case compares."""
        self.addCleanup(remove_large_files, self.folder, self.PARTIAL)
        installer = self.folder / "large.exe"
        write_marked(installer, self.SIZE)
        catalogue = (Catalogue().product(0, "Large Suite", "http://example.com/large", installer=installer)
                     .line(f'PRODUCT0SOURCE: "{self.source("eval/large.exe")}"'))
        self.serve(catalogue, large=installer)
        partial = self.working_file("components", "product0.part")
        partial.parent.mkdir(parents=True)
        write_marked(partial, self.PARTIAL)
        (partial.parent / "product0.part.validator").write_text(self.etag("large.exe"))
        self.run_to_download(ticks=(0,))
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=400)
        self.assertEqual(sha256_of_file(self.working_file("downloads", "product0.exe")),
                         sha256_of_file(installer))
        rest = self.SIZE - self.PARTIAL
        self.assertEqual(self.answers("/eval/large.exe"),
                         [(206, 2**30), (206, 2**30), (206, rest - 2**31)])


if __name__ == "__main__":
    unittest.main()
