// The record's file: its schema and every earlier version of it, and every bad condition
// the file or its folder can be in. In each bad case the program goes on and nothing
// that was on disk is lost.

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "record/database.h"
#include "record/migrations.h"
#include "record/writer.h"
#include "tests/record/record_test_support.h"

using namespace record;
using namespace recordtest;

class RecordDatabaseTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  QString file() const { return m_dir.filePath(QStringLiteral("splitsen.sqlite")); }

  void makeVersion(int version) { QVERIFY(makeOldRecord(file(), version)); }

  QStringList movedAsideFiles() const {
    return QDir(m_dir.path()).entryList({QStringLiteral("splitsen-beschadigd-*.sqlite")});
  }

 private Q_SLOTS:
  void init() {
    QDir dir(m_dir.path());
    for (const QString& f : dir.entryList(QDir::Files)) dir.remove(f);
  }

  void a_new_file_gets_the_current_schema_in_wal_mode() {
    Database db(file(), QStringLiteral("t"));
    const Status status = db.open(true);
    QVERIFY(status.on);
    QVERIFY(status.movedAside.isEmpty());
    QCOMPARE(db.insert({answer(7, 3, "4", true)}), Failure::None);
    QCOMPARE(scalar(file(), "PRAGMA user_version").toInt(), schemaVersion());
    QCOMPARE(scalar(file(), "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(scalar(file(), "SELECT count(*) FROM answers").toInt(), 1);
  }

  void every_earlier_version_is_brought_up_to_date_without_loss_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("an empty file") << 0 << true;
    for (int v = 0; v < schemaVersion(); ++v)
      QTest::newRow(qPrintable(QStringLiteral("version %1").arg(v))) << v << false;
  }
  void every_earlier_version_is_brought_up_to_date_without_loss() {
    QFETCH(int, version);
    QFETCH(bool, emptyFile);
    if (emptyFile)
      write(file(), QByteArray());
    else
      makeVersion(version);
    Database db(file(), QStringLiteral("t"));
    QVERIFY(db.open(true).on);
    QCOMPARE(scalar(file(), "PRAGMA user_version").toInt(), schemaVersion());
    QVERIFY(movedAsideFiles().isEmpty());
    // What the old file held is still there, and the new schema works.
    int before = 0;
    db.forEachEntry(QString(), [&](const Entry& e) {
      QCOMPARE(e.child, QStringLiteral("Ada"));
      QCOMPARE(*e.ms, 900);
      ++before;
    });
    QCOMPARE(before, version >= 1 ? 1 : 0);
    QCOMPARE(db.children().size(), version >= 2 ? 1 : 0);
    // Every earlier answer has an id of its own and waits for the school's server.
    QVERIFY(!db.computer().isNull());
    const std::vector<school::Answer> waiting = db.pending(10);
    QCOMPARE(int(waiting.size()), before);
    for (const school::Answer& a : waiting) {
      QVERIFY(!a.id.isNull());
      QCOMPARE(a.computer, db.computer());
    }
    QCOMPARE(db.insert({answer(5, 2, "3", true)}), Failure::None);
    QCOMPARE(db.addChild({QStringLiteral("Bram"), QStringLiteral("hond")}), Failure::None);
  }

  void a_file_from_a_newer_program_is_left_alone() {
    makeVersion(schemaVersion());
    QVERIFY(exec(file(), {QStringLiteral("PRAGMA user_version = 99")}));
    const QByteArray before = bytes(file());
    {
      Database db(file(), QStringLiteral("t"));
      const Status status = db.open(true);
      QVERIFY(!status.on);
      QCOMPARE(status.failure, Failure::Newer);
      QVERIFY(status.why.contains(QStringLiteral("nieuwere versie")));
      QVERIFY(!db.attach().on);
      // The writer gives up for the run at once: answers go nowhere and cost nothing.
      Writer writer(Writer::Options{file()});
      QCOMPARE(writer.status().failure, Failure::Newer);
      QVERIFY(writer.off());
      writer.push(answer(7, 3, "4", true));
      writer.flush();
    }
    QCOMPARE(bytes(file()), before);  // not even switched to another journal
    QVERIFY(!QFileInfo::exists(file() + QStringLiteral("-wal")));
    QCOMPARE(scalar(file(), "SELECT count(*) FROM answers").toInt(), 1);
  }

  void a_damaged_file_is_moved_aside_and_a_fresh_one_begun_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("random bytes over the header") << QStringLiteral("header");
    QTest::newRow("truncated") << QStringLiteral("truncated");
    QTest::newRow("not a database") << QStringLiteral("text");
    QTest::newRow("damaged pages") << QStringLiteral("pages");
  }
  void a_damaged_file_is_moved_aside_and_a_fresh_one_begun() {
    QFETCH(QString, damage);
    {
      Database db(file(), QStringLiteral("t"));
      QVERIFY(db.open(true).on);
      std::vector<Entry> many;
      for (int i = 0; i < 2000; ++i) many.push_back(answer(7, i % 8, QString::number(i), true));
      QCOMPARE(db.insert(many), Failure::None);
    }
    QByteArray data = bytes(file());
    QVERIFY(data.size() > 8192);
    QRandomGenerator random(7);
    if (damage == "header") {
      for (int i = 0; i < 100; ++i) data[i] = char(random.bounded(256));
    } else if (damage == "truncated") {
      data.truncate(data.size() / 3);
    } else if (damage == "text") {
      data = "tijd;kind\r\nDit is geen database.\r\n";
    } else {
      for (qsizetype i = 4096; i < data.size(); ++i) data[i] = char(random.bounded(256));
    }
    write(file(), data);

    Database db(file(), QStringLiteral("t"));
    const Status status = db.open(true);
    QVERIFY2(status.on, qPrintable(status.why));
    QVERIFY(!status.movedAside.isEmpty());
    QCOMPARE(movedAsideFiles().size(), 1);
    QVERIFY(status.movedAside.endsWith(movedAsideFiles().front()));
    // Kept byte for byte under its dated name; the fresh file works.
    QCOMPARE(bytes(status.movedAside), data);
    QCOMPARE(db.insert({answer(4, 1, "3", true)}), Failure::None);
    QCOMPARE(scalar(file(), "SELECT count(*) FROM answers").toInt(), 1);
  }

  void a_second_damaged_file_on_the_same_second_gets_its_own_name() {
    write(file(), "geen database");
    {
      Database db(file(), QStringLiteral("t"));
      QVERIFY(db.open(true).on);
    }
    write(file(), "ook geen database");
    {
      Database db(file(), QStringLiteral("t"));
      QVERIFY(db.open(true).on);
    }
    QCOMPARE(movedAsideFiles().size(), 2);
  }

  void a_folder_that_cannot_be_made_keeps_the_answers_waiting() {
    // A regular file where the folder should be (root can write anywhere else).
    write(m_dir.filePath(QStringLiteral("gewoon-bestand")), "x");
    Writer writer(
        Writer::Options{m_dir.filePath(QStringLiteral("gewoon-bestand/splitsen/splitsen.sqlite"))});
    writer.push(answer(7, 3, "4", true));
    writer.flush();
    const Status status = writer.status();
    QVERIFY(!status.on);
    QVERIFY(!writer.off());
    QCOMPARE(writer.current().waiting, 1);
    QVERIFY(status.why.contains(QStringLiteral("kan niet worden gemaakt")));
    QCOMPARE(bytes(m_dir.filePath(QStringLiteral("gewoon-bestand"))), QByteArray("x"));
  }

  // The file's page limit stands for a full disk; the room is given back by dropping a
  // table of filler from another connection.
  void a_full_file_keeps_the_answers_waiting_until_there_is_room() {
    {
      Database db(file(), QStringLiteral("t"));
      QVERIFY(db.open(true).on);
    }
    QVERIFY(exec(file(), {QStringLiteral("CREATE TABLE filler (b BLOB)"),
                          QStringLiteral("INSERT INTO filler VALUES (zeroblob(60000))")}));
    Writer::Options options{file()};
    options.batchMs = 1;
    options.retryMs = 5;
    options.maxPageCount = scalar(file(), "PRAGMA page_count").toInt() + 2;
    Writer writer(options);
    QVERIFY(writer.status().on);
    int pushed = 0;
    for (; pushed < 4000 && writer.current().on; ++pushed) {
      writer.push(answer(7, 3, QString(200, QLatin1Char('4')), true));
      writer.flush();
    }
    const Status status = writer.current();
    QVERIFY(!status.on);
    QCOMPARE(status.failure, Failure::Full);
    QVERIFY(status.why.contains(QStringLiteral("vol")));
    QVERIFY(!writer.off());
    for (int i = 0; i < 20; ++i, ++pushed) writer.push(answer(6, 1, QString::number(i), true));
    QVERIFY(exec(file(), {QStringLiteral("DROP TABLE filler")}));
    QTRY_VERIFY(writer.current().on);  // by itself
    writer.flush();
    QCOMPARE(scalar(file(), "SELECT count(*) FROM answers").toInt(), pushed);
    QCOMPARE(scalar(file(), "SELECT given FROM answers ORDER BY id DESC LIMIT 1").toString(),
             QStringLiteral("19"));
  }

  // A real disk that fills up fails at the commit; it is still called full.
  void a_real_full_disk_says_full_and_keeps_the_answers() {
    if (::geteuid() != 0) QSKIP("a small disk of its own needs root to mount");
    const QString disk = m_dir.filePath(QStringLiteral("klein"));
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=2m"), QStringLiteral("tmpfs"), disk}) != 0)
      QSKIP("no tmpfs could be mounted");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {disk}); });
    const QString record = disk + QStringLiteral("/splitsen.sqlite");
    int pushed = 0;
    {
      Writer::Options options{record};
      options.batchMs = 1;
      options.retryMs = 5;
      Writer writer(options);
      QVERIFY(writer.status().on);
      writer.push(answer(7, 3, "4", true));
      writer.flush();
      ++pushed;
      // The disk filled to the last byte by something else.
      QFile filler(disk + QStringLiteral("/vol"));
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'x');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
      filler.close();
      for (; pushed < 4000 && writer.current().on; ++pushed) {
        writer.push(answer(7, 3, QString(500, QLatin1Char('4')), true));
        writer.flush();
      }
      const Status status = writer.current();
      QVERIFY(!status.on);
      QCOMPARE(status.failure, Failure::Full);
      QVERIFY2(status.why.contains(QStringLiteral("vol")), qPrintable(status.why));
      QVERIFY(QFile::remove(disk + QStringLiteral("/vol")));
      QTRY_VERIFY(writer.current().on);
    }
    QCOMPARE(scalar(record, "SELECT count(*) FROM answers").toInt(), pushed);
  }

  // A copy of the folder made while a program ran (with its -wal and -shm), read-only;
  // then the teacher makes the record itself writable again, and only that.
  void a_read_only_record_made_writable_again_is_written_by_itself() {
    AsOrdinaryUser user(m_dir.path());
    QVERIFY(user.ok());
    const QString copy = m_dir.filePath(QStringLiteral("kopie.sqlite"));
    {
      Database db(file(), QStringLiteral("t"));
      QVERIFY(db.open(true).on);
      QCOMPARE(db.insert({answer(7, 3, "4", true)}), Failure::None);
      for (const QString& part : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QVERIFY(QFile::copy(file() + part, copy + part));
        QVERIFY(
            QFile::setPermissions(copy + part, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
      }
    }
    Writer::Options options{copy};
    options.batchMs = 1;
    options.retryMs = 5;
    Writer writer(options);
    QCOMPARE(writer.status().failure, Failure::Unwritable);
    for (int i = 0; i < 10; ++i) writer.push(answer(6, 2, QString::number(i), true));
    writer.flush();
    QVERIFY(!writer.current().on);
    QVERIFY(!writer.off());
    QVERIFY(QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QTRY_VERIFY(writer.current().on);  // by itself
    writer.flush();
    QCOMPARE(scalar(copy, "SELECT count(*) FROM answers").toInt(), 11);
  }

  // Two programs starting at once on a record of an earlier version: both open it, one
  // after the other (SQLite answers the switch to WAL with busy at once, without waiting).
  void two_threads_open_an_old_record_at_once() {
    for (int round = 0; round < 300; ++round) {
      init();
      makeVersion(1 + round % 7);
      Status a, b;
      std::thread ta([&] {
        Database db(file(), QStringLiteral("ta"));
        a = db.open(true);
      });
      std::thread tb([&] {
        Database db(file(), QStringLiteral("tb"));
        b = db.open(true);
      });
      ta.join();
      tb.join();
      QVERIFY2(a.on, qPrintable(a.why));
      QVERIFY2(b.on, qPrintable(b.why));
    }
  }

  void two_connections_share_the_file() {
    Database a(file(), QStringLiteral("a"));
    Database b(file(), QStringLiteral("b"));
    QVERIFY(a.open(true).on);
    QVERIFY(b.open(true).on);
    for (int i = 0; i < 50; ++i) {
      QCOMPARE(a.insert({answer(7, 3, "a", true)}), Failure::None);
      QCOMPARE(b.insert({answer(7, 3, "b", true)}), Failure::None);
    }
    QCOMPARE(scalar(file(), "SELECT count(*) FROM answers").toInt(), 100);
  }

  void renaming_a_child_renames_its_answers_and_wiping_is_per_child() {
    Database db(file(), QStringLiteral("t"));
    QVERIFY(db.open(true).on);
    QCOMPARE(db.addChild({QStringLiteral("Ada"), QStringLiteral("kat")}), Failure::None);
    QCOMPARE(db.addChild({QStringLiteral("ada"), QStringLiteral("kat")}),
             Failure::Other);  // unique
    QCOMPARE(db.insert({answer(7, 3, "4", true, 800, "Ada"), answer(7, 3, "4", true, 800, "Bo")}),
             Failure::None);
    QCOMPARE(db.renameChild(QStringLiteral("Ada"), QStringLiteral("Adaline")), Failure::None);
    QCOMPARE(db.childrenInRecord(), (QStringList{"Adaline", "Bo"}));
    QCOMPARE(db.children().front().name, QStringLiteral("Adaline"));
    QCOMPARE(db.wipe(QStringLiteral("Bo")), Failure::None);
    QCOMPARE(db.childrenInRecord(), QStringList{"Adaline"});
    QCOMPARE(db.wipe(QString()), Failure::None);
    QVERIFY(db.childrenInRecord().isEmpty());
    QCOMPARE(db.children().size(), 1);  // wiping the record keeps the class list
  }

  // The overview reads kept counts and each split's last answers; whatever happened to the
  // record, it must find what counting every answer one by one finds.
  void the_overview_agrees_with_every_answer_data() {
    QTest::addColumn<QString>("history");
    for (const char* h : {"answered", "upgraded from version 7", "renamed", "one child wiped",
                          "everyone wiped, then answered"})
      QTest::newRow(h) << QString::fromLatin1(h);
  }
  void the_overview_agrees_with_every_answer() {
    QFETCH(QString, history);
    const QStringList names{"Ada", "ada", "Bo", ""};  // names differ in case only, or none
    QRandomGenerator draw(2026);
    std::vector<Entry> entries;
    for (int i = 0; i < 1500; ++i) {
      const int number = draw.bounded(1, 12);  // 1 and 11 lie outside the grid
      Entry e = answer(number, draw.bounded(0, number + 1), "x", draw.bounded(4) != 0,
                       draw.bounded(5) == 0 ? -1 : draw.bounded(500, 9000),
                       names[draw.bounded(int(names.size()))]);
      e.time = QStringLiteral("2026-03-%1T09:00:00.000+01:00")
                   .arg(draw.bounded(1, 5), 2, 10, QLatin1Char('0'));
      if (draw.bounded(10) == 0) e.right.reset();  // shown, not judged
      if (draw.bounded(7) == 0) e.ms.reset();
      if (draw.bounded(2) == 0) e.exercise = QStringLiteral("frmsplits2");
      entries.push_back(e);
    }
    if (history == "upgraded from version 7") {
      QVERIFY(makeOldRecord(file(), 7));
      QStringList inserts;
      for (const Entry& e : entries)
        inserts
            << QStringLiteral(
                   "INSERT INTO answers (time, child, exercise, number, shown, given, right, ms)"
                   " VALUES ('%1', '%2', '%3', %4, %5, 'x', %6, %7)")
                   .arg(e.time, e.child, e.exercise)
                   .arg(e.number)
                   .arg(e.shown.value())
                   .arg(e.right ? QString::number(*e.right) : QStringLiteral("NULL"),
                        e.ms ? QString::number(*e.ms) : QStringLiteral("NULL"));
      QVERIFY(exec(file(), inserts));
    }
    Database db(file(), QStringLiteral("t"));
    QVERIFY(db.open(true).on);
    if (history != "upgraded from version 7") QCOMPARE(db.insert(entries), Failure::None);
    if (history == "renamed") QCOMPARE(db.renameChild("Bo", "Bob"), Failure::None);
    if (history == "one child wiped") QCOMPARE(db.wipe("ada"), Failure::None);
    if (history == "everyone wiped, then answered") {
      QCOMPARE(db.wipe(QString()), Failure::None);
      QCOMPARE(db.insert({entries.begin(), entries.begin() + 100}), Failure::None);
    }

    for (const QString& child : QStringList{QString(), "Ada", "ada", "Bo", "Bob", ""}) {
      Summary expected;
      // Newest day first, then the exercises in order, as the overview lists them.
      auto order = [](const std::pair<QString, QString>& a, const std::pair<QString, QString>& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
      };
      std::map<std::pair<QString, QString>, int, decltype(order)> days(order);
      db.forEachVerdict(child, [&](int n, int shown, bool right, qint64 ms) {
        expected.add(n, shown, right, ms);
      });
      db.forEachEntry(child, [&](const Entry& e) { ++days[{e.time.left(10), e.exercise}]; });
      Summary read = db.summary(child);
      expected.finish();
      read.finish();
      for (int n = Summary::Lowest; n <= Summary::Highest; ++n)
        for (int part = 0; part <= n; ++part) {
          const SplitCell &a = read.cell(n, part), &b = expected.cell(n, part);
          QVERIFY2(a.answers == b.answers && a.right == b.right && a.wrong == b.wrong &&
                       a.recentWrong == b.recentWrong && a.recentCount == b.recentCount &&
                       a.medianMs == b.medianMs && a.knowledge == b.knowledge,
                   qPrintable(QStringLiteral("%1 = %2 + %3 for '%4'")
                                  .arg(n)
                                  .arg(part)
                                  .arg(n - part)
                                  .arg(child)));
        }
      const auto perDay = db.perDay(child);
      QCOMPARE(perDay.size(), days.size());
      size_t i = 0;
      for (const auto& [key, count] : days) {
        QCOMPARE(perDay[i].day, key.first);
        QCOMPARE(perDay[i].exercise, key.second);
        QCOMPARE(perDay[i].count, count);
        ++i;
      }
    }
    QStringList inRecord;
    db.forEachEntry(QString(), [&](const Entry& e) {
      if (!e.child.isEmpty() && !inRecord.contains(e.child)) inRecord << e.child;
    });
    QStringList read = db.childrenInRecord();
    read.sort();
    inRecord.sort();
    QCOMPARE(read, inRecord);
  }
};

QTEST_GUILESS_MAIN(RecordDatabaseTest)
#include "tst_record_database.moc"
