#pragma once
// One session with the school's server through a named QPSQL connection, used on the one
// thread that made it. Every call is synchronous, returns an Outcome and never throws;
// a connect waits at most the time-out. Statements are prepared with bound values.

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "school/address.h"
#include "school/answer.h"
#include "school/problem.h"

namespace school {

struct Child {
  QString name;
  QString picture;  // the key of one of the class-list pictures
};

// What the adaptive practice keeps per child and per question. `changed` is when the row
// was last changed, in ms since 1970 (UTC): a row replaces the server's only when it is
// at least as new, so the newest state wins and sending a row again changes nothing.
struct PracticeChild {
  QString child;
  double ability = 0;
  int answers = 0;
  qint64 changed = 0;
};
struct PracticeItem {
  QString item;
  double difficulty = 0;
  int answers = 0;
  qint64 changed = 0;
};
struct PracticeSplit {
  QString child;
  int whole = 0;
  int smaller = 0;
  int box = 0;
  QDate due;  // null: not planned
  QString tries;
  qint64 changed = 0;
};
struct Practice {
  std::optional<PracticeChild> child;
  std::vector<PracticeItem> items;
  std::vector<PracticeSplit> splits;
};
// The practice rows of any number of children.
struct ClassPractice {
  std::vector<PracticeChild> children;
  std::vector<PracticeItem> items;
  std::vector<PracticeSplit> splits;
  bool empty() const { return children.empty() && items.empty() && splits.empty(); }
};

class Server {
 public:
  // The version of the tables that packaging/postgresql/splitsen.sql makes.
  static constexpr int SchemaVersion = 2;

  Server(Address address, QString connection, int connectTimeoutS = 3);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Connects and checks the tables' version.
  Outcome open();
  bool isOpen() const { return m_open; }
  void close();
  // A cheap question that tells whether the connection still works.
  Outcome ping();

  // Adds the answers in one transaction; an answer already there is left as it is.
  // `beforeCommit` runs after the last insert and before COMMIT.
  Outcome send(const std::vector<Answer>& answers, const std::function<void()>& beforeCommit = {});

  // Every answer of every computer, oldest first (the teacher's role).
  Outcome forEachAnswer(const std::function<void(const Answer&)>& visit);

  Outcome children(QList<Child>* out);
  Outcome addChild(const Child& child);
  // Renames in the class list, the answers and the practice state, in one transaction.
  Outcome renameChild(const QString& from, const QString& to);
  Outcome setPicture(const QString& name, const QString& picture);
  Outcome removeChild(const QString& name);

  // The child's practice state and every question's difficulty.
  Outcome readPractice(const QString& child, Practice* out);
  // Adds every row of `practice` in one transaction, replacing a row of the same key
  // that is not newer.
  Outcome writePractice(const Practice& practice);
  Outcome writePractice(const ClassPractice& practice);
  // Every child's practice rows and every question's difficulty.
  Outcome readPractice(ClassPractice* out);
  // Deletes the practice rows of `child` (null: everyone's, the questions' too) that were
  // changed at `upTo` or before, in one transaction.
  Outcome wipePractice(const QString& child, qint64 upTo);

 private:
  Outcome failed(const class QSqlError& error);
  Outcome failed(const QSqlQuery& query);
  Outcome exec(const QString& sql, const QVariantList& values = {});
  Outcome inTransaction(const std::function<Outcome()>& work);

  Address m_address;
  QString m_connection;
  int m_connectTimeoutS;
  QSqlDatabase m_db;
  bool m_open = false;
  bool m_inTransaction = false;
  std::vector<QSqlQuery> m_spent;  // failed statements of the transaction under way
};

}  // namespace school
