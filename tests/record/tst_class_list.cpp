// The class list's rules for names: every name that can be typed either saves, or gets
// a clear Dutch message and nothing is saved.

#include <QTest>

#include "record/classlist.h"

using namespace record;

class ClassListTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QString>("problem");  // a word of the message; empty: saved
    const QStringList klas = {"Noor", "Élise", "Daan"};
    QTest::newRow("a plain name") << "Lotte" << klas << "";
    QTest::newRow("one letter") << "A" << klas << "";
    QTest::newRow("40 letters") << QString(40, 'x') << klas << "";
    QTest::newRow("41 letters") << QString(41, 'x') << klas << "hoogstens 40";
    QTest::newRow("40 emoji count as 40") << QString("😀").repeated(40) << klas << "";
    QTest::newRow("empty") << "" << klas << "naam";
    QTest::newRow("only blanks") << "   " << klas << "naam";
    QTest::newRow("blank around") << " Lotte" << klas << "spatie";
    QTest::newRow("tab") << "Lot\tte" << klas << "onzichtbare";
    QTest::newRow("line break") << "Lot\nte" << klas << "onzichtbare";
    QTest::newRow("zero-width space") << "Lot\u200Bte" << klas << "onzichtbare";
    QTest::newRow("same name") << "Noor" << klas << "staat al";
    QTest::newRow("same name, other case") << "nOOR" << klas << "staat al";
    QTest::newRow("same name, accented other case") << "éLISE" << klas << "staat al";
    QTest::newRow("same letters, other accent") << "Elise" << klas << "";
    QTest::newRow("list full") << "Lotte" << QStringList(36, "x") << "36";
  }
  void names() {
    QFETCH(QString, name);
    QFETCH(QStringList, others);
    QFETCH(QString, problem);
    const QString message = nameProblem(name, others);
    if (problem.isEmpty())
      QVERIFY2(message.isEmpty(), qPrintable(message));
    else
      QVERIFY2(message.contains(problem), qPrintable(message));
  }

  void every_picture_exists() {
    QVERIFY(childPictures().size() >= 8 && childPictures().size() <= 12);
    for (const QString& key : childPictures()) QVERIFY(QFile::exists(pictureResource(key)));
  }
};

QTEST_GUILESS_MAIN(ClassListTest)
#include "tst_class_list.moc"
