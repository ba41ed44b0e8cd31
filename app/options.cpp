#include "app/options.h"

#include <QLocale>
#include <cmath>

#include "forms/units.h"

namespace {

// A number as a Dutch reader writes it: 0,5.
QString dutch(double number) {
  return QLocale(QLocale::Dutch, QLocale::Belgium).toString(number);
}

QString usage() {
  return QStringLiteral(
             "Gebruik: splitsen [--zoom=F] [--fullscreen] [--export=BESTAND] [--server=URI]\n"
             "Splitsen: oefenen in het splitsen van getallen tot 10, voor het eerste leerjaar.\n"
             "\n"
             "  --zoom=F          alles op grootte F, van %1 tot %2 (1,5 of 1.5); zonder deze\n"
             "                    optie past het programma zich aan het scherm aan\n"
             "  --fullscreen      start over het hele scherm (F11 schakelt)\n"
             "  --export=BESTAND  schrijf de resultaten als CSV naar BESTAND en stop, zonder\n"
             "                    venster\n"
             "  --server=URI      de schoolserver voor deze keer, zoals\n"
             "                    postgresql://gebruiker@server/splitsen; met --export: de\n"
             "                    resultaten van de hele klas\n"
             "  --help            deze uitleg\n"
             "  --version         de versie\n"
             "\n"
             "Toetsen op elk scherm: Ctrl+plus groter, Ctrl+min kleiner, Ctrl+0 passend, F11\n"
             "volledig scherm.\n")
      .arg(dutch(forms::MinZoom), dutch(forms::MaxZoom));
}

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

// What a user typed, shortened for one line.
QString quoted(const QString& text) {
  return QLatin1Char('\'') + text.left(40) + QLatin1Char('\'');
}

// Qt's own options, with one dash or two; QApplication takes them out itself. Those that
// take a value have it after '=' or as the next argument.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),     QStringLiteral("geometry"),
    QStringLiteral("title"),           QStringLiteral("icon"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("visual"),          QStringLiteral("session"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger")};
const QStringList QtFlags = {QStringLiteral("reverse"),     QStringLiteral("widgetcount"),
                             QStringLiteral("testability"), QStringLiteral("sync"),
                             QStringLiteral("nograb"),      QStringLiteral("dograb")};

// How many arguments from `i` on are Qt's own option: 0 (not one), 1 or 2.
int qtOption(const QStringList& arguments, qsizetype i) {
  QString name = arguments.at(i);
  if (!name.startsWith(QLatin1Char('-'))) return 0;
  name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
  if (QtFlags.contains(name)) return 1;
  const qsizetype equals = name.indexOf(QLatin1Char('='));
  if (equals > 0) return QtOptionsWithValue.contains(name.left(equals)) ? 1 : 0;
  if (!QtOptionsWithValue.contains(name)) return 0;
  return i + 1 < arguments.size() ? 2 : 0;
}

// The zoom with a decimal comma or point; out of range or no number: nothing.
std::optional<double> zoomFactor(QString value) {
  value.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double factor = QLocale::c().toDouble(value, &ok);
  if (!ok || !std::isfinite(factor) || factor < forms::MinZoom || factor > forms::MaxZoom)
    return std::nullopt;
  return factor;
}

// An example value of an option that needs one; empty for any other argument.
QString exampleValue(const QString& option) {
  if (option == QLatin1String("--zoom")) return QStringLiteral("1,5");
  if (option == QLatin1String("--export")) return QStringLiteral("resultaten.csv");
  if (option == QLatin1String("--server"))
    return QStringLiteral("postgresql://splitsen_leerkracht@schoolserver/splitsen");
  return QString();
}

}  // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
  // Built in place: copying an Options that holds a server address into the optional
  // trips GCC 12's -Wmaybe-uninitialized at -O3 (a false alarm, but warnings are errors).
  ParsedArguments parsed;
  Options& options = parsed.options.emplace();
  // One branch per option.
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
      return finished(usage());
    if (argument == QLatin1String("--version"))
      return finished(QStringLiteral("splitsen " SPLITSEN_VERSION "\n"));
    if (argument == QLatin1String("--fullscreen")) {
      options.fullScreen = true;
    } else if (argument.startsWith(QLatin1String("--zoom="))) {
      options.zoom = zoomFactor(argument.mid(7));
      if (!options.zoom)
        return failure(
            QStringLiteral("--zoom is een getal van %1 tot %2 (zoals --zoom=1,5), "
                           "niet %3")
                .arg(dutch(forms::MinZoom), dutch(forms::MaxZoom), quoted(argument.mid(7))));
    } else if (argument.startsWith(QLatin1String("--export="))) {
      options.exportFile = argument.mid(9);
      if (options.exportFile->isEmpty())
        return failure(QStringLiteral("--export heeft een bestandsnaam nodig (--export=BESTAND)"));
    } else if (argument.startsWith(QLatin1String("--server="))) {
      QString why;
      options.server = school::parseAddress(argument.mid(9), &why);
      if (!options.server) return failure(QStringLiteral("--server: %1").arg(why));
    } else if (const int taken = qtOption(arguments, i)) {
      i += taken - 1;
    } else if (const QString example = exampleValue(argument); !example.isEmpty()) {
      return failure(
          QStringLiteral("%1 heeft een waarde nodig, zoals %1=%2").arg(argument, example));
    } else {
      return failure(QStringLiteral("onbekende optie %1; splitsen --help toont de opties")
                         .arg(quoted(argument)));
    }
  }
  return parsed;
}

QStringList commandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}
