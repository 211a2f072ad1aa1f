"""Authenticode signatures made at test time with the test PKI
(tests/servers/make-test-certificates)."""
import subprocess

from harness import settings


def sign(source, leaf, destination):
    """Writes source signed by the certificate leaf ("signer",
    "other-signer", "expired-signer", "stranger-signer") to destination."""
    subprocess.run([str(settings.ftp_server_scripts() / "sign-installer"),
                    str(settings.test_certificates()), leaf, str(source), str(destination)],
                   check=True, timeout=60)
