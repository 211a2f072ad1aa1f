// vok-records: the registration records that the wizard uploads, as one
// CSV table that spreadsheets read.
#include "tools/common/text_lines.h"
#include "tools/records/record_files.h"
#include "tools/records/record_table.h"
#include "tools/records/record_text.h"

#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const int kAllRead = 0;
const int kRecordsSkipped = 1;
const int kUnreadable = 2;

const char kUsage[] =
    "usage: vok-records [--per-product] [--no-bom] [--out FILE] FILE_OR_FOLDER...\n"
    "\n"
    "Reads registration records (files, or the records vok-PID-MMDDYY-HHMMSS.txt\n"
    "in a folder such as the FTP account's upload folder) and writes them as CSV\n"
    "to FILE or the standard output: one row per record with its time, every\n"
    "field and its products joined by \"; \", or with --per-product one row per\n"
    "record and product. Records in UTF-8 and in Windows-1252 are read; the CSV\n"
    "is UTF-8, with a byte order mark so that spreadsheets take it as such\n"
    "unless --no-bom is given. A malformed record is reported on the standard error\n"
    "with its file and line, and skipped. Exit status: 0 all read, 1 records\n"
    "skipped, 2 a file or folder that cannot be read.\n";

const char kByteOrderMark[] = "\xEF\xBB\xBF";

struct Options {
    bool perProduct = false;
    bool byteOrderMark = true;
    const char *out = nullptr;
    std::vector<std::string> inputs;
};

bool ParseOptions(int argc, char **argv, Options &options)
{
    for (int n = 1; n < argc; ++n) {
        if (strcmp(argv[n], "--per-product") == 0)
            options.perProduct = true;
        else if (strcmp(argv[n], "--no-bom") == 0)
            options.byteOrderMark = false;
        else if (strcmp(argv[n], "--out") == 0 && n + 1 < argc)
            options.out = argv[++n];
        else
            options.inputs.push_back(argv[n]);
    }
    return !options.inputs.empty();
}

// The rows of one record file, or its problem reported.
int WriteRecord(const std::string &path, bool perProduct, FILE *out)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        fprintf(stderr, "vok-records: cannot read %s\n", path.c_str());
        return kUnreadable;
    }
    Record record;
    RecordProblem problem;
    if (!ParseRecord(lines, record, problem)) {
        fprintf(stderr, "%s:%d: %s; record skipped\n", path.c_str(), problem.line, problem.message.c_str());
        return kRecordsSkipped;
    }
    fputs(TableRows(FileNameOf(path), record, perProduct).c_str(), out);
    return kAllRead;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fputs(kUsage, stderr);
        return kUnreadable;
    }
    std::vector<std::string> unreadable;
    const std::vector<std::string> files = RecordFiles(options.inputs, unreadable);
    int status = kAllRead;
    for (const std::string &input : unreadable) {
        fprintf(stderr, "vok-records: cannot read %s\n", input.c_str());
        status = kUnreadable;
    }
#ifdef _WIN32
    // The rows end in CR LF already.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    FILE *out = options.out != nullptr ? fopen(options.out, "wb") : stdout;
    if (out == nullptr) {
        fprintf(stderr, "vok-records: cannot write %s\n", options.out);
        return kUnreadable;
    }
    if (options.byteOrderMark)
        fputs(kByteOrderMark, out);
    fputs(TableHeader(options.perProduct).c_str(), out);
    for (const std::string &file : files) {
        const int result = WriteRecord(file, options.perProduct, out);
        if (result > status)
            status = result;
    }
    if ((out == stdout ? fflush(out) : fclose(out)) != 0) {
        fprintf(stderr, "vok-records: cannot write %s\n", options.out != nullptr ? options.out : "the output");
        return kUnreadable;
    }
    return status;
}
