#include "framework/file.h"

#include "framework/exceptions.h"

bool CFile::Open(const char *path, OpenMode mode)
{
    Close();
    if (mode == modeRead) {
        handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    } else {
        handle = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return IsOpen();
}

void CFile::Close()
{
    if (IsOpen()) {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

unsigned CFile::Read(void *buffer, unsigned count)
{
    DWORD done = 0;
    if (!IsOpen() || !ReadFile(handle, buffer, count, &done, nullptr))
        throw CFileException();
    return done;
}

void CFile::Write(const void *buffer, unsigned count)
{
    DWORD done = 0;
    if (!IsOpen() || !WriteFile(handle, buffer, count, &done, nullptr) || done != count)
        throw CFileException();
}
