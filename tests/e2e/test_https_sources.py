"""Installers from HTTPS addresses (the products' SOURCE keys) while the
catalogue comes from the FTPS server: fetched from nginx beside one from the
FTP server, resumed across runs with the kept validator, a changed build
fetched afresh, through the proxy of the Internet settings, and refused with
their own boxes when the address or the certificate is not secure."""
import re
import unittest

from harness.catalogue import Catalogue, installer_bytes, sha256_of
from harness.connect_proxy import ConnectProxy, internet_settings_blob
from harness.web_server import WebServer
from test_download import DownloadCase

ALPHA = installer_bytes(400_000)
BETA = installer_bytes(123_456)
NEW_BETA = b"MZ new build " + BETA[13:]
CONNECTIONS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections"
# Where start-nginx serves its files with an untrusted certificate.
UNTRUSTED_PORT_OFFSET = 3


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
        served = self.web.home / "eval" / "alpha.exe"
        etag = f'"{int(served.stat().st_mtime):x}-{served.stat().st_size:x}"'
        components = self.working_file("components")
        components.mkdir(parents=True)
        (components / "product0.part").write_bytes(ALPHA[:100_000])
        (components / "product0.part.validator").write_text(etag)
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


if __name__ == "__main__":
    unittest.main()
