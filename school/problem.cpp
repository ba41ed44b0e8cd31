#include "school/problem.h"

#include <QSqlError>

namespace school {

namespace {

bool mentions(const QString& message, std::initializer_list<const char*> words) {
  for (const char* word : words)
    if (message.contains(QLatin1String(word), Qt::CaseInsensitive)) return true;
  return false;
}

Problem fromState(const QString& state) {
  if (state == QLatin1String("28P01") || state == QLatin1String("28000"))
    return Problem::WrongPassword;
  if (state == QLatin1String("42501")) return Problem::NoPermission;
  if (state == QLatin1String("3D000")) return Problem::NoDatabase;
  if (state == QLatin1String("42P01") || state == QLatin1String("42703")) return Problem::NotSetUp;
  if (state == QLatin1String("53300")) return Problem::TooManyClients;
  if (state.startsWith(QLatin1String("53"))) return Problem::Full;  // disk, memory
  if (state == QLatin1String("23505")) return Problem::Exists;
  // A connection exception, or the server shutting down or cutting this session.
  if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
    return Problem::Unreachable;
  return Problem::Other;
}

}  // namespace

Problem classify(const QString& sqlState, const QString& message, bool connecting) {
  if (sqlState.size() == 5) return fromState(sqlState);
  // Without a SQLSTATE (libpq's own words while connecting, or a connection that broke).
  if (mentions(message, {"password authentication failed", "no password supplied",
                         "authentication failed", "wachtwoord"}))
    return Problem::WrongPassword;
  if (mentions(message, {"too many clients", "remaining connection slots"}))
    return Problem::TooManyClients;
  if (mentions(message, {"no pg_hba.conf entry", "permission denied", "not permitted to log in"}))
    return Problem::NoPermission;
  if (mentions(message, {"database \""}) && mentions(message, {"does not exist"}))
    return Problem::NoDatabase;
  if (mentions(message, {"disk full", "no space left"})) return Problem::Full;
  if (connecting ||
      mentions(message, {"server closed the connection", "no connection to the server",
                         "connection to server", "terminating connection", "could not send data",
                         "could not receive data"}))
    return Problem::Unreachable;
  return Problem::Other;
}

Problem classify(const QSqlError& error) {
  if (error.type() == QSqlError::NoError) return Problem::None;
  return classify(error.nativeErrorCode(), error.text(),
                  error.type() == QSqlError::ConnectionError);
}

QString describe(Problem problem) {
  switch (problem) {
    case Problem::None:
      return QStringLiteral("geen");
    case Problem::NoDriver:
      return QStringLiteral("Qt kan geen PostgreSQL aan (libqt6sql6-psql ontbreekt)");
    case Problem::Unreachable:
      return QStringLiteral("server niet bereikbaar");
    case Problem::WrongPassword:
      return QStringLiteral("gebruiker of wachtwoord fout");
    case Problem::NoPermission:
      return QStringLiteral("geen toestemming");
    case Problem::NoDatabase:
      return QStringLiteral("de database bestaat niet op de server");
    case Problem::NotSetUp:
      return QStringLiteral("de database is niet ingericht (splitsen.sql is niet gedraaid)");
    case Problem::SchemaTooOld:
      return QStringLiteral("de server is ouder dan dit programma (draai splitsen.sql opnieuw)");
    case Problem::SchemaTooNew:
      return QStringLiteral("de server is nieuwer dan dit programma (werk dit programma bij)");
    case Problem::Full:
      return QStringLiteral("server vol");
    case Problem::TooManyClients:
      return QStringLiteral("server te druk (te veel verbindingen)");
    case Problem::Exists:
      return QStringLiteral("die naam staat al in de klassenlijst");
    case Problem::Other:
      return QStringLiteral("onbekende fout op de server");
  }
  return QString();
}

}  // namespace school
