// The working folder (installRoot) and the paths of the files in it.
#ifndef APP_WORKING_FOLDER_H
#define APP_WORKING_FOLDER_H

// Creates the working folder with its components, downloads and bitmaps
// folders and stores its path in wizardState.installRoot. When the folder on
// the Windows drive cannot be created or written, the same layout under
// %LOCALAPPDATA% is used, on every run alike, so that partial downloads stay
// where the next run looks for them.
void PrepareWorkingFolder();

// Paths under installRoot, into buffers of kWizardTextSize. A path that would
// not fit comes out empty, so that a file operation on it fails instead of
// reaching a cut name.
void FileListPath(char *out);                      // files.vok
void BitmapPath(const char *name, char *out);      // a panel bitmap
void WorkingFilePath(const char *name, char *out); // a file of the folder itself

#endif
