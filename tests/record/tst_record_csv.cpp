// The export for spreadsheets: every field as a Dutch spreadsheet reads it, no typed
// name ever run as a formula, and a place that cannot be written reported by name.

#include <QTemporaryDir>
#include <QTest>

#include "record/csv.h"
#include "record/database.h"
#include "tests/record/record_test_support.h"

using namespace record;
using namespace recordtest;

class RecordCsvTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;

 private Q_SLOTS:
  void fields_are_quoted_where_needed_and_never_formulas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Noor"
                           << "Noor";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("accents and emoji") << "Zoë 😀"
                                       << "Zoë 😀";
    QTest::newRow("separator") << "Jan;Piet"
                               << "\"Jan;Piet\"";
    QTest::newRow("quote") << "Jan \"de snelle\""
                           << "\"Jan \"\"de snelle\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("formula =") << "=1+1"
                               << "\"'=1+1\"";
    QTest::newRow("formula +") << "+31 6"
                               << "\"'+31 6\"";
    QTest::newRow("formula -") << "-1"
                               << "\"'-1\"";
    QTest::newRow("formula @") << "@SUM(A1)"
                               << "\"'@SUM(A1)\"";
    QTest::newRow("formula with quote and separator") << "=\"a\";b"
                                                      << "\"'=\"\"a\"\";b\"";
    QTest::newRow("minus inside is fine") << "Anne-Marie"
                                          << "Anne-Marie";
  }
  void fields_are_quoted_where_needed_and_never_formulas() {
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
  }

  void the_export_has_a_bom_the_header_and_every_row() {
    const QString db = m_dir.filePath(QStringLiteral("splitsen.sqlite"));
    {
      Database d(db, QStringLiteral("fill"));
      QVERIFY(d.open(true).on);
      Entry practisedOnly;
      practisedOnly.time = QStringLiteral("2026-03-05T10:00:00.000+01:00");
      practisedOnly.exercise = QStringLiteral("frmsplits2");
      practisedOnly.number = 8;
      QCOMPARE(d.insert({answer(7, 3, "4", true, 2300, "=Noor"), answer(5, 1, "", false, 800),
                         practisedOnly}),
               Failure::None);
    }
    const QString out = m_dir.filePath(QStringLiteral("uit.csv"));
    QString error;
    QVERIFY(exportCsv(out, &error, db));
    QVERIFY(error.isEmpty());
    const QByteArray text = bytes(out);
    QCOMPARE(
        QString::fromUtf8(text),
        QString::fromUtf8("\xEF\xBB\xBF"
                          "tijd;kind;oefening;getal;deel;antwoord;goed;ms\r\n"
                          "2026-03-05T09:41:07.250+01:00;\"'=Noor\";SPLITSMACHINE;7;3;4;1;2300\r\n"
                          "2026-03-05T09:41:07.250+01:00;;SPLITSMACHINE;5;1;;0;800\r\n"
                          "2026-03-05T10:00:00.000+01:00;;Splits;8;;;;\r\n"));
  }

  void an_empty_record_exports_only_the_header() {
    const QString out = m_dir.filePath(QStringLiteral("leeg.csv"));
    QVERIFY(exportCsv(out, nullptr, m_dir.filePath(QStringLiteral("bestaat-niet.sqlite"))));
    QCOMPARE(bytes(out),
             QByteArray("\xEF\xBB\xBFtijd;kind;oefening;getal;deel;antwoord;goed;ms\r\n"));
  }

  void a_place_that_cannot_be_written_is_named_and_nothing_else_changes() {
    write(m_dir.filePath(QStringLiteral("gewoon-bestand")), "x");
    const QString out = m_dir.filePath(QStringLiteral("gewoon-bestand/uit.csv"));
    QString error;
    QVERIFY(!exportCsv(out, &error, m_dir.filePath(QStringLiteral("splitsen.sqlite"))));
    QVERIFY2(error.contains(QDir::toNativeSeparators(out)), qPrintable(error));
    QCOMPARE(bytes(m_dir.filePath(QStringLiteral("gewoon-bestand"))), QByteArray("x"));
  }
};

QTEST_GUILESS_MAIN(RecordCsvTest)
#include "tst_record_csv.moc"
