#pragma once
// The command line, as a desktop program takes it: --zoom=F pins the zoom for this run,
// --fullscreen starts full screen, --help and --version say what they say.

#include <QString>
#include <QStringList>
#include <optional>

struct Options {
  std::optional<double> zoom;
  bool fullScreen = false;
};

struct ParsedArguments {
  std::optional<Options> options;  // none: the program stops at once with `exitCode`
  int exitCode = 0;
  QString out;    // for stdout (help, version)
  QString error;  // one line for stderr
};

// `arguments` as QCoreApplication::arguments() gives them: the program first, with Qt's
// own options already taken out.
ParsedArguments parseArguments(const QStringList& arguments);
