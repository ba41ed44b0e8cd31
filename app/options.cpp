#include "app/options.h"

#include <QLocale>
#include <cmath>

#include "forms/units.h"

namespace {

const QString Usage = QStringLiteral(
    "Gebruik: splitsen [--zoom=F] [--fullscreen]\n"
    "Splitsen: oefenen in het splitsen van getallen tot 10, voor het eerste leerjaar.\n"
    "\n"
    "  --zoom=F       alles op grootte F (0.5 tot 4, met een punt: 1.5); zonder deze\n"
    "                 optie past het programma zich aan het scherm aan\n"
    "  --fullscreen   start over het hele scherm (F11 schakelt)\n"
    "  --help         deze uitleg\n"
    "  --version      de versie\n"
    "\n"
    "Toetsen op elk scherm: Ctrl+plus groter, Ctrl+min kleiner, Ctrl+0 passend, F11\n"
    "volledig scherm.\n");

ParsedArguments failure(const QString& line) {
  ParsedArguments parsed;
  parsed.exitCode = 2;
  parsed.error = QStringLiteral("splitsen: ") + line;
  return parsed;
}

ParsedArguments finished(const QString& text) {
  ParsedArguments parsed;
  parsed.out = text;
  return parsed;
}

}  // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
  Options options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
      return finished(Usage);
    if (argument == QLatin1String("--version"))
      return finished(QStringLiteral("splitsen " SPLITSEN_VERSION "\n"));
    if (argument == QLatin1String("--fullscreen")) {
      options.fullScreen = true;
      continue;
    }
    if (argument.startsWith(QLatin1String("--zoom="))) {
      const QString value = argument.mid(7);
      bool ok = false;
      // Always a decimal point, whatever the user's language.
      const double factor = QLocale::c().toDouble(value, &ok);
      if (!ok || !std::isfinite(factor) || factor < forms::MinZoom || factor > forms::MaxZoom)
        return failure(QStringLiteral("--zoom takes a number from 0.5 to 4 with a decimal "
                                      "point (as in --zoom=1.5), not '%1'")
                           .arg(value.left(40)));
      options.zoom = factor;
      continue;
    }
    return failure(QStringLiteral("unknown option '%1' (allowed: --zoom=F with F from 0.5 to "
                                  "4, --fullscreen, --help, --version)")
                       .arg(argument.left(40)));
  }
  ParsedArguments parsed;
  parsed.options = options;
  return parsed;
}
