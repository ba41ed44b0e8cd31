#pragma once
// The command line, as a desktop program takes it: --zoom=F pins the zoom for this run,
// --fullscreen starts full screen, --export=FILE writes the practice record and ends,
// --server=URI names the school's server for this run (with --export: the class's record),
// --help and --version say what they say. Read before any window exists, so that every
// path but the start of the windows works without a display.

#include <QString>
#include <QStringList>
#include <optional>

#include "school/address.h"

struct Options {
  std::optional<double> zoom;
  bool fullScreen = false;
  std::optional<QString> exportFile;      // --export: no window, the record to this file
  std::optional<school::Address> server;  // --server: the school's server for this run
};

struct ParsedArguments {
  std::optional<Options> options;  // none: the program stops at once with `exitCode`
  int exitCode = 0;
  QString out;    // for stdout (help, version)
  QString error;  // one line for stderr
};

// `arguments` as the program was given them, the program first. Qt's own options
// (-platform NAME, -style=NAME, ...) are left for QApplication.
ParsedArguments parseArguments(const QStringList& arguments);

// argv as text, for parseArguments before the application object exists.
QStringList commandLine(int argc, char* argv[]);
