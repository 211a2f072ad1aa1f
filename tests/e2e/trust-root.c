/* trust_root.exe ROOT.pem: adds the PEM certificate to the machine's trusted
   roots (the LocalMachine "Root" store), replacing an earlier copy, so that
   a test prefix trusts the test code-signing root without a dialog. Exit
   status 0 when it is stored, 1 otherwise. */
#include <windows.h>
#include <wincrypt.h>

#include <stdio.h>
#include <stdlib.h>

/* The file's text, NUL-terminated; NULL when it cannot be read. */
static char *ReadText(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return NULL;
    char *text = NULL;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0)
        size = ftell(file);
    if (size >= 0 && fseek(file, 0, SEEK_SET) == 0)
        text = (char *)malloc((size_t)size + 1);
    if (text != NULL) {
        if (fread(text, 1, (size_t)size, file) == (size_t)size) {
            text[size] = '\0';
        } else {
            free(text);
            text = NULL;
        }
    }
    fclose(file);
    return text;
}

/* The DER form of the PEM text; NULL when it holds no certificate. */
static BYTE *DecodePem(const char *pem, DWORD *size)
{
    *size = 0;
    if (!CryptStringToBinaryA(pem, 0, CRYPT_STRING_BASE64HEADER, NULL, size, NULL, NULL))
        return NULL;
    BYTE *der = (BYTE *)malloc(*size);
    if (der != NULL && !CryptStringToBinaryA(pem, 0, CRYPT_STRING_BASE64HEADER, der, size,
                                             NULL, NULL)) {
        free(der);
        der = NULL;
    }
    return der;
}

static BOOL AddToRoots(const BYTE *der, DWORD size)
{
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0,
                                     CERT_SYSTEM_STORE_LOCAL_MACHINE, "Root");
    if (store == NULL)
        return FALSE;
    const BOOL added = CertAddEncodedCertificateToStore(
        store, X509_ASN_ENCODING, der, size, CERT_STORE_ADD_REPLACE_EXISTING, NULL);
    CertCloseStore(store, 0);
    return added;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: trust_root ROOT.pem\n");
        return 2;
    }
    char *pem = ReadText(argv[1]);
    if (pem == NULL) {
        fprintf(stderr, "trust_root: cannot read %s\n", argv[1]);
        return 1;
    }
    DWORD size = 0;
    BYTE *der = DecodePem(pem, &size);
    free(pem);
    if (der == NULL) {
        fprintf(stderr, "trust_root: %s holds no PEM certificate\n", argv[1]);
        return 1;
    }
    const BOOL added = AddToRoots(der, size);
    free(der);
    if (!added) {
        fprintf(stderr, "trust_root: the Root store refused it (error %lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
