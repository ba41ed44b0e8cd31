#pragma once
// The program's one identity: organisation and application name, set before anything
// looks up a folder, so that the practice record (QStandardPaths::AppDataLocation) and the
// preferences (QSettings) are the same files whether the program starts with its windows
// or runs a command-line path such as --export.

void setApplicationIdentity();
