// A binary file on a Win32 handle. Opening reports failure by its result;
// reading and writing throw CFileException, also on a file that is not open.
#ifndef FRAMEWORK_FILE_H
#define FRAMEWORK_FILE_H

#include <windows.h>

class CFile {
public:
    enum OpenMode {
        modeRead,   // an existing file, from its start
        modeCreate, // a new or emptied file, for writing
    };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile &) = delete;
    CFile &operator=(const CFile &) = delete;

    bool Open(const char *path, OpenMode mode);
    void Close();
    bool IsOpen() const { return handle != INVALID_HANDLE_VALUE; }

    // Bytes read: count, or fewer at the end of the file.
    unsigned Read(void *buffer, unsigned count);
    // All count bytes, or a CFileException.
    void Write(const void *buffer, unsigned count);

private:
    HANDLE handle = INVALID_HANDLE_VALUE;
};

#endif
