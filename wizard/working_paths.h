// Paths of the files in the working folder (wizardState.installRoot).
#ifndef WIZARD_WORKING_PATHS_H
#define WIZARD_WORKING_PATHS_H

// Formats a path into a buffer of kWizardTextSize. A path that would not fit
// comes out empty, so that a file operation on it fails instead of reaching a
// cut name; false then.
bool FormatPath(char *out, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

void FileListPath(char *out);                      // files.vok
void BitmapPath(const char *name, char *out);      // a panel bitmap
void WorkingFilePath(const char *name, char *out); // a file of the folder itself
void ComponentPath(const char *name, char *out);   // a partial product download
void DownloadPath(const char *name, char *out);    // a finished product installer

#endif
