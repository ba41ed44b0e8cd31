// The class list's rules for names: every name that can be typed either saves, or gets
// a clear Dutch message and nothing is saved. The order a child finds its name in, the
// picture offered to a new child, names fitted whole onto a tile, and Qt's own dialogs
// in Dutch.

#include <QFontMetricsF>
#include <QTest>

#include "record/classlist.h"
#include "record/namefit.h"
#include "record/translations.h"
#include "tests/record/record_test_support.h"

using namespace forms;
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
    QTest::newRow("39 in the list") << "Lotte" << QStringList(39, "x") << "";
    QTest::newRow("list full") << "Lotte" << QStringList(40, "x") << "40";
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

  void children_are_in_dutch_alphabetical_order_ignoring_case_data() {
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("case ignored") << QStringList{"bram", "Anna", "Cas", "aaron"}
                                  << QStringList{"aaron", "Anna", "bram", "Cas"};
    QTest::newRow("accents among their letters") << QStringList{"Fien", "Émile", "Eva", "Daan"}
                                                 << QStringList{"Daan", "Émile", "Eva", "Fien"};
    QTest::newRow("numbers as numbers")
        << QStringList{"Tim 10", "Tim 2"} << QStringList{"Tim 2", "Tim 10"};
  }
  void children_are_in_dutch_alphabetical_order_ignoring_case() {
    QFETCH(QStringList, added);
    QFETCH(QStringList, shown);
    QStringList names;
    for (const Child& c : alphabetical(children(added))) names << c.name;
    QCOMPARE(names, shown);
  }

  void a_new_child_is_offered_a_picture_nobody_has_data() {
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("offered");
    QTest::newRow("empty list") << QStringList{} << "kat";
    QTest::newRow("first two taken") << QStringList{"kat", "hond"} << "vis";
    QTest::newRow("a gap") << QStringList{"kat", "vis"} << "hond";
    QStringList all = childPictures();
    QTest::newRow("all taken once: the first again") << all << "kat";
    all << "kat"
        << "hond";
    QTest::newRow("all taken, two twice") << all << "vis";
  }
  void a_new_child_is_offered_a_picture_nobody_has() {
    QFETCH(QStringList, taken);
    QFETCH(QString, offered);
    QList<Child> list;
    for (const QString& picture : taken) list << Child{QString::number(list.size()), picture};
    QCOMPARE(proposedPicture(list), offered);
  }

  void a_shared_picture_is_told_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("told");  // empty: nothing to tell
    QTest::newRow("nobody else") << "zon"
                                 << "";
    QTest::newRow("one other") << "vis"
                               << "Let op: Daan heeft dezelfde prent (vis).";
    QTest::newRow("two others") << "kat"
                                << "Let op: Bo en Noor hebben dezelfde prent (kat).";
  }
  void a_shared_picture_is_told() {
    QFETCH(QString, picture);
    QFETCH(QString, told);
    const QList<Child> list = {{"Noor", "kat"}, {"Daan", "vis"}, {"Bo", "kat"}, {"Lot", picture}};
    const QString note = sharedPictureNote(list, QStringLiteral("lot"), picture);
    if (told.isEmpty())
      QCOMPARE(note, QString());
    else
      QVERIFY2(note.startsWith(told), qPrintable(note));
  }

  void names_fit_their_tile_whole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("tile");  // twips
    const QSize big(3000, 2520), forty(1275, 984);
    QTest::newRow("short, big tile") << "Noor" << big;
    QTest::newRow("short, small tile") << "Noor" << forty;
    QTest::newRow("hyphenated") << "Anne-Sophie" << forty;
    QTest::newRow("two hyphens and blanks") << "Jan-Willem van der Berg-Smit" << forty;
    QTest::newRow("descenders") << "Jytte Pegg" << forty;
    QTest::newRow("40 letters, no break") << QString(40, QLatin1Char('W')) << forty;
    QTest::newRow("40 letters with blanks") << "Maximiliaan Alexander Johannes Pietersen" << forty;
  }
  void names_fit_their_tile_whole() {
    QFETCH(QString, name);
    QFETCH(QSize, tile);
    const Font base{"MS Sans Serif", 14, true};
    const FittedName fitted = fitName(name, base, tile.width(), tile.height());
    recordtest::verifyNameFits(fitted.caption, fitted.font, name, tile);
    if (name == QLatin1String("Noor") && tile.width() == 3000)
      QCOMPARE(fitted.font.size, base.size);
  }

  void qt_dialogs_speak_dutch_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("dutch");
    QTest::newRow("yes") << "QPlatformTheme"
                         << "&Yes"
                         << "&Ja";
    QTest::newRow("no") << "QPlatformTheme"
                        << "&No"
                        << "&Nee";
    QTest::newRow("file dialog") << "QFileDialog"
                                 << "File &name:"
                                 << "Bestands&naam:";
  }
  void qt_dialogs_speak_dutch() {
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, dutch);
    QVERIFY(installDutchTranslations());
    QVERIFY(installDutchTranslations());  // a second call changes nothing
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(english)), dutch);
  }

 private:
  static QList<Child> children(const QStringList& names) {
    QList<Child> list;
    for (const QString& name : names) list << Child{name, QStringLiteral("kat")};
    return list;
  }
};

QTEST_MAIN(ClassListTest)
#include "tst_class_list.moc"
