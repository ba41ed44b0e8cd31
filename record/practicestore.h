#pragma once
// Adaptive practice kept in the record: per child its ability and its splits, per question
// its difficulty (shared by every child of the computer). The screen loads a child's state
// when it opens and hands over the rows an answer changed; saving only queues them for the
// writer thread, beside the answers, so the screens never wait for the file.
//
// The store behind `practiceStore()` is this computer's record; another (a school's
// server) can take its place through `setPracticeStore`.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "practice/rows.h"
#include "practice/state.h"

namespace record {

struct PracticeState {
  practice::ChildState child;
  practice::Difficulties difficulties = practice::Difficulties::initial();
};

// What one answer changed: the child's ability, the split's box and tries, the question's
// difficulty.
struct PracticeRows {
  QString child;
  qint64 changed = 0;  // when, in ms since 1970 (UTC): the newest rows win on a school server
  practice::ChildRow ability;
  std::vector<practice::SplitRow> splits;
  std::vector<practice::ItemRow> items;
};
PracticeRows changedRows(const QString& child, const PracticeState& state,
                         const practice::Question& question);

class PracticeStore {
 public:
  virtual ~PracticeStore() = default;
  // The state of `child` ("" without a class list); a new child's when none is kept.
  virtual PracticeState load(const QString& child) = 0;
  // Keeps `state` as the child's and queues `rows`; returns at once.
  virtual void save(const PracticeState& state, const PracticeRows& rows) = 0;
  // Forgets what was loaded of one child, or of everyone for a null name (after a wipe).
  virtual void forget(const QString& child) = 0;
  // Rises with every `forget`: a screen holding a state loads it again.
  virtual int generation() const = 0;
};

PracticeStore& practiceStore();
void setPracticeStore(std::unique_ptr<PracticeStore> store);

// On a connection of the record (a transaction is the caller's): the rows, replacing
// those of the same keys; an invalid error when all are written.
QSqlError writePracticeRows(QSqlDatabase& db, const PracticeRows& rows);
// The child's state and the questions' difficulties; nothing when the file cannot be read.
// Rows that cannot be understood are left out and counted in `report`.
std::optional<PracticeState> readPractice(QSqlDatabase& db, const QString& child,
                                          practice::ReadReport* report = nullptr);
// The children with practice kept, sorted.
QStringList practiceChildren(QSqlDatabase& db);
// The statements that delete one child's practice, or everyone's for a null name.
QStringList wipePracticeStatements(const QString& child);
// The statements that move a child's practice to a new name.
QStringList renamePracticeStatements();

}  // namespace record
