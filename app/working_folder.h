// Creating the working folder (installRoot) with its sub-folders.
#ifndef APP_WORKING_FOLDER_H
#define APP_WORKING_FOLDER_H

// Creates the working folder with its components, downloads and bitmaps
// folders and stores its path in wizardState.installRoot. When the folder on
// the Windows drive cannot be created or written, the same layout under
// %LOCALAPPDATA% is used, on every run alike, so that partial downloads stay
// where the next run looks for them.
void PrepareWorkingFolder();

#endif
