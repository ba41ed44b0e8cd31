// Adaptive practice on the screen: a question waits with its coins, the verdict shows the
// complete split for its time, the coins won never go below 0, and stop goes back.

#include <QRegularExpression>
#include <QTest>

#include "exercises/adaptive_practice/frmopmaat.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

frmopmaat& open(Harness& h) {
  frmopmaat& f = h.program().form<frmopmaat>();
  f.Show();
  return f;
}

// The missing part of the question in lblvraag ("7 = 3 + ?" or "7 = ? + 4").
int missingPart(const frmopmaat& f) {
  static const QRegularExpression question(QStringLiteral("^(\\d+) = (\\d+|\\?) \\+ (\\d+|\\?)$"));
  const auto m = question.match(f.lblvraag.caption());
  if (!m.hasMatch()) return -1;
  const QString shown = m.captured(2) == QLatin1String("?") ? m.captured(3) : m.captured(2);
  return m.captured(1).toInt() - shown.toInt();
}

int coinsShown(frmopmaat& f) {
  int shown = 0;
  for (int i = 1; i <= frmopmaat::Munten; ++i) shown += f.imgmunt[i].visible() ? 1 : 0;
  return shown;
}

int shownNumberImage(frmopmaat& f) {
  int shown = 0;
  for (int i = 1; i <= 10; ++i) shown += f.shpgetalbeeld[i].visible() ? 1 : 0;
  return shown;
}

// One step of play: wait `ms`, then 'r' the right part, 'w' a wrong one, '?' or 't'
// (let the time run out).
void act(Harness& h, frmopmaat& f, char what, int ms) {
  h.advance(ms);
  const int right = missingPart(f);
  if (what == 'r') f.cmdantwoord[right].click();
  if (what == 'w') f.cmdantwoord[(right + 1) % 11].click();
  if (what == '?') f.cmdweetniet.click();
  if (what == 't') h.advance(20000 - ms);
}

}  // namespace

class TestAdaptivePractice : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithAQuestionAndAFullRowOfCoins() {
    Harness h;
    frmopmaat& f = open(h);
    QCOMPARE(f.property("Opgaven").toInt(), 1);
    QCOMPARE(f.caption(), QStringLiteral("OEFENEN OP MAAT"));
    QVERIFY(missingPart(f) >= 0);
    QCOMPARE(f.lblvraag.caption().count(QLatin1Char('?')), 1);
    QCOMPARE(f.lblmunten.caption(), QStringLiteral("0"));
    QCOMPARE(coinsShown(f), 20);
    for (int n = 0; n <= 10; ++n) QCOMPARE(f.cmdantwoord[n].caption(), QString::number(n));
    QCOMPARE(f.cmdweetniet.caption(), QStringLiteral("?"));
    QCOMPARE(shownNumberImage(f), 0);
  }

  void aCoinFallsEachSecond() {
    Harness h;
    frmopmaat& f = open(h);
    h.advance(999);
    QCOMPARE(coinsShown(f), 20);
    h.advance(1);
    QCOMPARE(coinsShown(f), 19);
    h.advance(12000);
    QCOMPARE(coinsShown(f), 7);
  }

  void theVerdictStaysForItsTime_data() {
    QTest::addColumn<char>("what");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("verdictMs");
    QTest::addColumn<bool>("numberImage");
    QTest::newRow("right") << 'r' << 2000 << 1000 << false;
    QTest::newRow("wrong") << 'w' << 5000 << 3000 << true;
    QTest::newRow("question mark") << '?' << 4000 << 3000 << true;
    QTest::newRow("time out") << 't' << 0 << 3000 << true;
  }
  void theVerdictStaysForItsTime() {
    QFETCH(char, what);
    QFETCH(int, ms);
    QFETCH(int, verdictMs);
    QFETCH(bool, numberImage);
    Harness h;
    frmopmaat& f = open(h);
    std::vector<practice::Outcome> answered;
    f.beantwoord = [&](const practice::Outcome& o) { answered.push_back(o); };
    const int right = missingPart(f);
    act(h, f, what, ms);
    QCOMPARE(answered.size(), size_t(1));
    QCOMPARE(f.lblvraag.caption(), practice::completeText(answered[0].question));
    QCOMPARE(answered[0].question.missing(), right);
    QCOMPARE(shownNumberImage(f) == 10, numberImage);
    h.advance(verdictMs - 1);
    QCOMPARE(f.property("Opgaven").toInt(), 1);
    h.advance(1);
    QCOMPARE(f.property("Opgaven").toInt(), 2);
    QVERIFY(missingPart(f) >= 0);
    QCOMPARE(coinsShown(f), 20);
    QCOMPARE(shownNumberImage(f), 0);
  }

  void coinsWonNeverFallBelowZero_data() {
    QTest::addColumn<QString>("play");  // what, then the seconds waited, per question
    QTest::addColumn<QString>("coins");
    QTest::newRow("right after 2 s") << "r2"
                                     << "18";
    QTest::newRow("then wrong after 5 s") << "r2 w5"
                                          << "3";
    QTest::newRow("wrong first") << "w1"
                                 << "0";
    QTest::newRow("losing more than won") << "r15 w0"
                                          << "0";
    QTest::newRow("? and time-out neither win nor lose") << "r3 ?1 t0"
                                                         << "17";
  }
  void coinsWonNeverFallBelowZero() {
    QFETCH(QString, play);
    QFETCH(QString, coins);
    Harness h;
    frmopmaat& f = open(h);
    for (const QString& step : play.split(QLatin1Char(' '))) {
      act(h, f, step.at(0).toLatin1(), step.mid(1).toInt() * 1000);
      h.advance(step.at(0) == QLatin1Char('r') ? 1000 : 3000);  // the verdict's time
    }
    QCOMPARE(f.lblmunten.caption(), coins);
  }

  void clicksDuringTheVerdictChangeNothing() {
    Harness h;
    frmopmaat& f = open(h);
    int answered = 0;
    f.beantwoord = [&](const practice::Outcome&) { ++answered; };
    act(h, f, 'r', 1000);
    const QString verdict = f.lblvraag.caption();
    const QString coins = f.lblmunten.caption();
    for (int n = 0; n <= 10; ++n) f.cmdantwoord[n].click();
    f.cmdweetniet.click();
    QCOMPARE(answered, 1);
    QCOMPARE(f.lblvraag.caption(), verdict);
    QCOMPARE(f.lblmunten.caption(), coins);
    h.advance(1000);
    QCOMPARE(f.property("Opgaven").toInt(), 2);  // and the next question came all the same
  }

  void stopGoesBackAndAVisitStartsAfresh() {
    Harness h;
    frmopmaat& f = open(h);
    act(h, f, 'r', 1000);
    h.advance(1000);
    f.cmdstop.click();
    QVERIFY(!f.visible());
    QVERIFY(h.program().form<frmkiesbasis>().visible());
    h.advance(60000);  // no timer runs behind the chooser
    QCOMPARE(f.property("Opgaven").toInt(), 2);
    f.Show();
    QCOMPARE(f.property("Opgaven").toInt(), 1);
    QCOMPARE(f.lblmunten.caption(), QStringLiteral("0"));
    QCOMPARE(f.kind.answers, 1);  // the child's practice is kept
  }
};

QTEST_MAIN(TestAdaptivePractice)
#include "tst_adaptive_practice.moc"
