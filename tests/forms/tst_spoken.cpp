// The words the program speaks for what its screens show.

#include <QTest>

#include "forms/speech/spoken.h"

using forms::numberWord;
using forms::spoken;

class TestSpoken : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void numberWords_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("word");
    const char* words[] = {"nul", "één",   "twee", "drie",  "vier", "vijf",
                           "zes", "zeven", "acht", "negen", "tien"};
    for (int n = 0; n <= 10; ++n) QTest::addRow("%d", n) << n << QString::fromUtf8(words[n]);
    QTest::newRow("beyond ten stays digits") << 12 << "12";
  }
  void numberWords() {
    QFETCH(int, n);
    QFETCH(QString, word);
    QCOMPARE(numberWord(n), word);
  }

  // Every way the screens write a split or a sum, with their own blanks.
  void sums_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    QTest::newRow("split") << "7 = 3 + 4"
                           << "zeven is drie en vier";
    QTest::newRow("sum") << "3 + 4 = 7"
                         << "drie plus vier is zeven";
    QTest::newRow("difference") << "7 - 3 = 4"
                                << "zeven min drie is vier";
    QTest::newRow("part as a difference") << "3 = 7 - 4"
                                          << "drie is zeven min vier";
    QTest::newRow("one is één, not een") << "1 + 0 = 1"
                                         << "één plus nul is één";
    QTest::newRow("ten and zero") << "10 = 10 + 0"
                                  << "tien is tien en nul";
    QTest::newRow("memorising list line") << " 3  +  4 "
                                          << "drie en vier";
    QTest::newRow("memorising list line of ten") << "10  +   0 "
                                                 << "tien en nul";
    QTest::newRow("split button with trailing blank") << "2 + 0 "
                                                      << "twee en nul";
    QTest::newRow("machine, solved") << "7 = 3 + 4\r\n3 + 4 = 7"
                                     << "zeven is drie en vier. drie plus vier is zeven";
    QTest::newRow("verdict after the sum") << "3 + 4 = 7   dat is goed !"
                                           << "drie plus vier is zeven. dat is goed!";
    QTest::newRow("series of three lines")
        << "5 = 0 + 5\r\n5 = 1 + 4\r\n5 = 2 + 3"
        << "vijf is nul en vijf. vijf is één en vier. vijf is twee en drie";
    QTest::newRow("friends, blank lines skipped")
        << "3 + 4 = 7\r\n4 + 3 = 7\r\n\r\n7 = 4 + 3\r\n7 = 3 + 4\r\n\r\n3 = 7 - 4\r\n4 = 7 - 3"
        << "drie plus vier is zeven. vier plus drie is zeven. zeven is vier en drie. zeven is "
           "drie en vier. drie is zeven min vier. vier is zeven min drie";
    QTest::newRow("split that does not add up") << "7 = 2 + 4"
                                                << "zeven is niet twee en vier";
    QTest::newRow("sum that does not add up") << "2 + 4 = 7"
                                              << "twee plus vier is niet zeven";
    QTest::newRow("split asked, second part") << "7 = 3 + ?"
                                              << "zeven is drie en hoeveel?";
    QTest::newRow("split asked, first part") << "7 = ? + 4"
                                             << "zeven is hoeveel en vier?";
    QTest::newRow("split of ten asked") << "10 = 0 + ?"
                                        << "tien is nul en hoeveel?";
  }
  void sums() {
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QCOMPARE(spoken(shown), said);
  }

  // A part still to be found is never guessed at or read as a word.
  void incompleteSumsAreSilent_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    QTest::newRow("machine, waiting") << "7 = 3 + . \r\n3 + .  = 7"
                                      << "";
    QTest::newRow("walk step") << "4 + . "
                               << "";
    QTest::newRow("question mark") << "3 +  ?  = 7"
                                   << "";
    QTest::newRow("split with both parts asked") << "7 = ? + ?"
                                                 << "";
    QTest::newRow("split with its whole asked") << "? = 3 + 4"
                                                << "";
    QTest::newRow("split asked with a dot") << "7 = 3 + ."
                                            << "";
    QTest::newRow("dangling operator") << "7 = 3 + "
                                       << "";
    QTest::newRow("first digit only") << "= 3 +"
                                      << "";
    QTest::newRow("words kept, sum dropped") << "3 + ? = 7 dat is goed !"
                                             << "dat is goed!";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one blank") << " "
                               << "";
  }
  void incompleteSumsAreSilent() {
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QCOMPARE(spoken(shown), said);
  }

  void instructions_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    QTest::newRow("machine") << "kies een cijfer"
                             << "kies een cijfer";
    QTest::newRow("machine after stop") << "kies een cijfer\r\n of STOP "
                                        << "kies een cijfer, of stop";
    QTest::newRow("number inside a sentence") << "leer alle splitsingen van 1 "
                                              << "leer alle splitsingen van één";
    QTest::newRow("sentence dot is no unknown part")
        << "\r\n kies een \r\n getal \r\n klik en kijk \r\n onderaan \r\n hoe het getal\r\n "
           "gesplitst kan worden . "
        << "kies een, getal, klik en kijk, onderaan, hoe het getal, gesplitst kan worden.";
    QTest::newRow("dash between words is silent") << "Splitsen - oefenen met splitsen tot 10"
                                                  << "splitsen oefenen met splitsen tot tien";
    QTest::newRow("comma kept") << "Klik een cijfer, kijk en zeg mee "
                                << "klik een cijfer, kijk en zeg mee";
  }
  void instructions() {
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QCOMPARE(spoken(shown), said);
  }
};

QTEST_APPLESS_MAIN(TestSpoken)
#include "tst_spoken.moc"
