#include "tests/school/pg_server.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

// Debian keeps the server's programs out of PATH, one folder per major version.
QString serverBin() {
  QDir lib(QStringLiteral("/usr/lib/postgresql"));
  QStringList versions = lib.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  std::sort(versions.begin(), versions.end(),
            [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
  for (const QString& v : versions)
    if (QFile::exists(lib.filePath(v + QStringLiteral("/bin/initdb"))))
      return lib.filePath(v + QStringLiteral("/bin"));
  const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
  return initdb.isEmpty() ? QString() : QFileInfo(initdb).absolutePath();
}

// A port no other test is likely to use at the same time; a taken one makes pg_ctl fail.
int somePort() {
  return 20000 + int(QRandomGenerator::global()->bounded(40000));
}

}  // namespace

PgServer::PgServer() = default;

bool PgServer::installed() {
  return !serverBin().isEmpty();
}

PgServer::~PgServer() {
  if (m_running) stop();
}

bool PgServer::run(const QString& program, const QStringList& arguments, QString* output,
                   int timeoutMs) const {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (m_asPostgres)
    process.start(QStringLiteral("runuser"),
                  QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                              QStringLiteral("--"), program} +
                      arguments);
  else
    process.start(program, arguments);
  const bool finished = process.waitForFinished(timeoutMs);
  const QString text = QString::fromLocal8Bit(process.readAll());
  if (output) *output = text;
  const bool ok =
      finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  if (!ok) qWarning("%s failed: %s", qPrintable(program), qPrintable(text.left(2000)));
  return ok;
}

bool PgServer::start(QString* why, Options options) {
  m_options = options;
  m_bin = serverBin();
  if (m_bin.isEmpty()) {
    *why = QStringLiteral("PostgreSQL is not installed here (scripts/setup installs it)");
    return false;
  }
  // The server refuses to run as root: as root, run it as Debian's own postgres user.
  m_asPostgres = geteuid() == 0;
  const passwd* postgres = m_asPostgres ? getpwnam("postgres") : nullptr;
  if (m_asPostgres && !postgres) {
    *why = QStringLiteral("running as root without a postgres user to run the server as");
    return false;
  }
  m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/splitsen-pg-XXXXXX"));
  if (!m_dir->isValid() || (postgres && chown(QFile::encodeName(m_dir->path()).constData(),
                                              postgres->pw_uid, postgres->pw_gid) != 0)) {
    *why = QStringLiteral("no temporary folder for the server");
    return false;
  }
  const QString data = m_dir->filePath(QStringLiteral("data"));
  if (!run(m_bin + QStringLiteral("/initdb"),
           {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
            QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
            QStringLiteral("--auth-local=trust"), QStringLiteral("--auth-host=scram-sha-256"),
            QStringLiteral("--no-sync")})) {
    *why = QStringLiteral("initdb failed");
    return false;
  }
  // A port that was free a moment ago may be taken by now: try a few.
  for (int attempt = 0; attempt < 5 && !m_running; ++attempt) {
    m_port = somePort();
    m_running = restart();
  }
  if (!m_running) {
    *why = QStringLiteral("the server would not start");
    return false;
  }
  const QString file =
      QStringLiteral(SPLITSEN_SOURCE_DIR) + QStringLiteral("/packaging/postgresql/splitsen.sql");
  if (!run(m_bin + QStringLiteral("/psql"),
           psqlArguments().mid(0, psqlArguments().size() - 2) +
               QStringList{QStringLiteral("-d"), QStringLiteral("postgres"), QStringLiteral("-c"),
                           QStringLiteral("CREATE DATABASE splitsen")}) ||
      !runFile(file)) {
    *why = QStringLiteral("setting up the database failed");
    return false;
  }
  bool ok = false;
  sql(QStringLiteral("ALTER ROLE splitsen_leerling PASSWORD '%1'; "
                     "ALTER ROLE splitsen_leerkracht PASSWORD '%2';")
          .arg(
              QString::fromLatin1(PupilPassword),
              QString::fromLatin1(TeacherPassword).replace(QLatin1Char('\''), QLatin1String("''"))),
      &ok);
  if (!ok) *why = QStringLiteral("setting the passwords failed");
  return ok;
}

bool PgServer::restart() {
  const QString options = QStringLiteral(
                              "-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off "
                              "-c full_page_writes=off "
                              "-c max_connections=%3 -c lc_messages=C")
                              .arg(m_port)
                              .arg(m_dir->path())
                              .arg(m_options.maxConnections);
  m_running =
      run(m_bin + QStringLiteral("/pg_ctl"),
          {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-w"),
           QStringLiteral("-l"), m_dir->filePath(QStringLiteral("server.log")),
           QStringLiteral("-o"), options, QStringLiteral("start")});
  return m_running;
}

bool PgServer::stop() {
  const bool ok =
      run(m_bin + QStringLiteral("/pg_ctl"),
          {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-w"),
           QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("stop")});
  if (ok) m_running = false;
  return ok;
}

QStringList PgServer::psqlArguments() const {
  return {QStringLiteral("-X"), QStringLiteral("-q"),
          QStringLiteral("-A"), QStringLiteral("-t"),
          QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
          QStringLiteral("-h"), m_dir->path(),
          QStringLiteral("-p"), QString::number(m_port),
          QStringLiteral("-U"), QStringLiteral("postgres"),
          QStringLiteral("-d"), QStringLiteral("splitsen")};
}

QString PgServer::sql(const QString& statements, bool* ok) const {
  QString output;
  const bool done = run(m_bin + QStringLiteral("/psql"),
                        psqlArguments() << QStringLiteral("-c") << statements, &output);
  if (ok) *ok = done;
  return output.trimmed();
}

bool PgServer::runFile(const QString& file) const {
  // The file is read by psql, perhaps as another user: hand it over on stdin.
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QString copy = m_dir->filePath(QStringLiteral("setup.sql"));
  QFile::remove(copy);
  if (!in.copy(copy)) return false;
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  return run(m_bin + QStringLiteral("/psql"), psqlArguments() << QStringLiteral("-f") << copy);
}

int PgServer::answerCount() const {
  return sql(QStringLiteral("SELECT count(*) FROM answers")).toInt();
}

int PgServer::cutConnections() const {
  return sql(QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity "
                            "WHERE application_name = 'splitsen'"))
      .toInt();
}

school::Address PgServer::address(Role role) const {
  return address(role, QString::fromLatin1(role == Role::Pupil ? PupilPassword : TeacherPassword));
}

school::Address PgServer::address(Role role, const QString& password) const {
  school::Address a;
  a.host = QStringLiteral("127.0.0.1");
  a.port = m_port;
  a.database = QStringLiteral("splitsen");
  a.user = QString::fromLatin1(role == Role::Pupil ? "splitsen_leerling" : "splitsen_leerkracht");
  a.password = password;
  a.options.append({QStringLiteral("sslmode"), QStringLiteral("disable")});
  return a;
}
