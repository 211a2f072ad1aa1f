// An archive: a file and the direction in which objects travel through it.
// It keeps no buffer of its own, so flushing has nothing to write.
#ifndef FRAMEWORK_ARCHIVE_H
#define FRAMEWORK_ARCHIVE_H

#include "framework/file.h"

class CArchive {
public:
    enum Mode { load, store };

    CArchive(CFile &file, Mode mode) : file(file), mode(mode) {}

    bool IsStoring() const { return mode == store; }
    CFile &GetFile() const { return file; }
    void Flush() {}

private:
    CFile &file;
    Mode mode;
};

#endif
