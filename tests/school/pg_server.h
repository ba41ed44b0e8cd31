#pragma once
// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder, run as an
// unprivileged user, listening on 127.0.0.1 on a free port with its socket in that folder,
// the database "splitsen" set up by packaging/postgresql/splitsen.sql and the two roles'
// passwords set. Stopped and removed with the object. Shared by the school's tests and
// its benchmark; Qt Core only.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "school/address.h"

class PgServer {
 public:
  enum class Role { Pupil, Teacher };
  static constexpr const char* PupilPassword = "leerling-Geheim-42";
  static constexpr const char* TeacherPassword = "juf'Geheim \\43";

  struct Options {
    int maxConnections = 40;
  };

  PgServer();
  ~PgServer();
  PgServer(const PgServer&) = delete;
  PgServer& operator=(const PgServer&) = delete;

  // Whether PostgreSQL's server programs are on this machine.
  static bool installed();
  // Starts the server; false with the reason in `why` (no PostgreSQL on this machine,
  // or it would not start).
  bool start(QString* why, Options options);
  bool start(QString* why) { return start(why, Options()); }
  bool stop();
  bool restart();
  bool running() const { return m_running; }
  int port() const { return m_port; }

  // The address a role connects with, optionally with another password.
  school::Address address(Role role) const;
  school::Address address(Role role, const QString& password) const;

  // Runs SQL in the database as the superuser; the output of psql, unaligned and
  // without headers. `ok` false (and a warning) when psql failed.
  QString sql(const QString& statements, bool* ok = nullptr) const;
  // Runs the file with psql as the superuser (the set-up script).
  bool runFile(const QString& file) const;
  int answerCount() const;
  // Cuts every connection the program made (pg_terminate_backend); how many were cut.
  int cutConnections() const;

 private:
  bool run(const QString& program, const QStringList& arguments, QString* output = nullptr,
           int timeoutMs = 60000) const;
  QStringList psqlArguments() const;

  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_bin;
  int m_port = 0;
  bool m_running = false;
  bool m_asPostgres = false;
  Options m_options;
};
