#include "signature/pe_signature.h"

#include <stdint.h>

namespace {

const long kNewHeaderOffsetField = 0x3c;
const long kCoffHeaderSize = 20;
const long kOptionalHeaderSizeField = 16;
const uint16_t kPe32Magic = 0x10b;
const uint16_t kPe32PlusMagic = 0x20b;
const uint32_t kSecurityDirectory = 4;
const long kDirectorySize = 8;
const long kWinCertificateHeaderSize = 8;
const uint16_t kPkcsSignedData = 2;
// Far more than any real signature with its chain; keeps a forged length
// from asking for gigabytes.
const uint32_t kMaxSignatureSize = 4u << 20;

bool ReadAt(FILE *file, long offset, void *buffer, size_t size)
{
    return fseek(file, offset, SEEK_SET) == 0 && fread(buffer, 1, size, file) == size;
}

bool ReadU16(FILE *file, long offset, uint16_t &value)
{
    unsigned char bytes[2];
    if (!ReadAt(file, offset, bytes, sizeof bytes))
        return false;
    value = static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
    return true;
}

bool ReadU32(FILE *file, long offset, uint32_t &value)
{
    unsigned char bytes[4];
    if (!ReadAt(file, offset, bytes, sizeof bytes))
        return false;
    value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
            uint32_t{bytes[3]} << 24;
    return true;
}

// Where the optional header's data directories start, and how many there are.
bool FindDataDirectories(FILE *file, long &directories, uint32_t &count)
{
    unsigned char mz[2];
    uint32_t peOffset = 0;
    unsigned char peSignature[4];
    if (!ReadAt(file, 0, mz, sizeof mz) || mz[0] != 'M' || mz[1] != 'Z' ||
        !ReadU32(file, kNewHeaderOffsetField, peOffset) ||
        !ReadAt(file, static_cast<long>(peOffset), peSignature, sizeof peSignature) ||
        peSignature[0] != 'P' || peSignature[1] != 'E' || peSignature[2] != 0 || peSignature[3] != 0)
        return false;
    const long coffHeader = static_cast<long>(peOffset) + 4;
    const long optionalHeader = coffHeader + kCoffHeaderSize;
    uint16_t optionalHeaderSize = 0;
    uint16_t magic = 0;
    if (!ReadU16(file, coffHeader + kOptionalHeaderSizeField, optionalHeaderSize) ||
        !ReadU16(file, optionalHeader, magic))
        return false;
    long countField = 0;
    if (magic == kPe32Magic)
        countField = 92;
    else if (magic == kPe32PlusMagic)
        countField = 108;
    else
        return false;
    directories = optionalHeader + countField + 4;
    // Directories past the optional header's stated size are not there.
    const long room = (optionalHeader + optionalHeaderSize - directories) / kDirectorySize;
    if (!ReadU32(file, optionalHeader + countField, count) || room < 0)
        return false;
    if (count > static_cast<uint32_t>(room))
        count = static_cast<uint32_t>(room);
    return true;
}

} // namespace

bool ReadEmbeddedSignature(FILE *file, std::vector<unsigned char> &der)
{
    long directories = 0;
    uint32_t directoryCount = 0;
    if (!FindDataDirectories(file, directories, directoryCount) || directoryCount <= kSecurityDirectory)
        return false;
    // The security directory alone holds a file offset, not an address.
    uint32_t tableOffset = 0;
    uint32_t tableSize = 0;
    const long security = directories + kSecurityDirectory * kDirectorySize;
    if (!ReadU32(file, security, tableOffset) || !ReadU32(file, security + 4, tableSize) ||
        fseek(file, 0, SEEK_END) != 0)
        return false;
    const long fileSize = ftell(file);
    if (tableOffset == 0 || tableSize < kWinCertificateHeaderSize || fileSize < 0 ||
        uint64_t{tableOffset} + tableSize > static_cast<uint64_t>(fileSize))
        return false;
    uint32_t entryLength = 0;
    uint16_t certificateType = 0;
    if (!ReadU32(file, static_cast<long>(tableOffset), entryLength) ||
        !ReadU16(file, static_cast<long>(tableOffset) + 6, certificateType) ||
        certificateType != kPkcsSignedData || entryLength <= kWinCertificateHeaderSize ||
        entryLength > tableSize || entryLength - kWinCertificateHeaderSize > kMaxSignatureSize)
        return false;
    der.resize(entryLength - kWinCertificateHeaderSize);
    return ReadAt(file, static_cast<long>(tableOffset) + kWinCertificateHeaderSize, der.data(), der.size());
}
