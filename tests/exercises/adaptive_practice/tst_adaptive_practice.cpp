// Adaptive practice on the screen: the chooser's button opens it, a question waits with its
// coins, the digit keys answer, the question and verdict are read aloud, the verdict shows
// the complete split for its time, the coins won never go below 0, and stop goes back.

#include <QRegularExpression>
#include <QTest>

#include "exercises/adaptive_practice/frmopmaat.h"
#include "forms/speech/spoken.h"
#include "shell/frmkiesbasis.h"
#include "shell/mdiform2.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

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

// Types `keys` ("1 0" is 1 then 0) into the focused answer button, `gapMs` apart; a digit
// that no control takes reaches the screen.
void typeDigits(Harness& h, frmopmaat& f, const QString& keys, int gapMs) {
  const QStringList digits = keys.split(QLatin1Char(' '));
  for (int i = 0; i < digits.size(); ++i) {
    if (i > 0) h.advance(gapMs);
    QTest::keyClick(f.cmdantwoord[0].widget(), Qt::Key(Qt::Key_0 + digits[i].toInt()));
  }
}

}  // namespace

class TestAdaptivePractice : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithAQuestionAndAFullRowOfCoins() {
    Harness h;
    frmopmaat& f = h.show<frmopmaat>();
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
    frmopmaat& f = h.show<frmopmaat>();
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
    frmopmaat& f = h.show<frmopmaat>();
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
    frmopmaat& f = h.show<frmopmaat>();
    for (const QString& step : play.split(QLatin1Char(' '))) {
      act(h, f, step.at(0).toLatin1(), step.mid(1).toInt() * 1000);
      h.advance(step.at(0) == QLatin1Char('r') ? 1000 : 3000);  // the verdict's time
    }
    QCOMPARE(f.lblmunten.caption(), coins);
  }

  void clicksDuringTheVerdictChangeNothing() {
    Harness h;
    frmopmaat& f = h.show<frmopmaat>();
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

  void theChoosersTenthButtonOpensItAndDescribesIt() {
    Harness h;
    h.program().registerForm(frmopmaat::Name, [] { return new frmopmaat; }, {12930, 8775});
    h.start();
    auto& chooser = h.program().form<frmkiesbasis>();
    chooser.Show();
    Harness::moveMouse(chooser, chooser.cmdopmaat.widget()->geometry().center());
    QCOMPARE(chooser.lblbord.caption(), frmkiesbasis::descriptionOf("cmdopmaat"));
    QVERIFY(chooser.lblbord.caption().contains(QLatin1String("oefenen op maat")));
    Harness::moveMouse(chooser, {chooser.cmdopmaat.widget()->geometry().left() - 5, 5});
    QCOMPARE(chooser.lblbord.caption(), frmkiesbasis::backgroundText());
    chooser.cmdopmaat.click();
    auto& f = h.program().form<frmopmaat>();
    QVERIFY(f.visible());
    QVERIFY(!chooser.visible());
    QVERIFY(!h.program().form<MDIForm2>().isEnabled());
    QCOMPARE(f.property("Opgaven").toInt(), 1);
    f.cmdstop.click();
    QVERIFY(chooser.visible());
    QVERIFY(!f.visible());
  }

  // "1" waits a moment for the "0" of ten; every other digit answers at once.
  void digitKeysAnswer_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("waitMs");  // after the last key
    QTest::addColumn<int>("given");   // -1: no answer yet
    QTest::newRow("three") << "3" << 0 << 0 << 3;
    QTest::newRow("zero") << "0" << 0 << 0 << 0;
    QTest::newRow("one, alone for a moment") << "1" << 0 << frmopmaat::TienMs << 1;
    QTest::newRow("one, still waiting for a zero") << "1" << 0 << frmopmaat::TienMs - 1 << -1;
    QTest::newRow("one then zero is ten") << "1 0" << 300 << 0 << 10;
    QTest::newRow("zero too late is no ten") << "1 0" << frmopmaat::TienMs << 0 << 1;
    QTest::newRow("one then four answers one") << "1 4" << 100 << 0 << 1;
  }
  void digitKeysAnswer() {
    QFETCH(QString, keys);
    QFETCH(int, gapMs);
    QFETCH(int, waitMs);
    QFETCH(int, given);
    Harness h;
    frmopmaat& f = h.show<frmopmaat>();
    std::vector<practice::Outcome> answered;
    f.beantwoord = [&](const practice::Outcome& o) { answered.push_back(o); };
    typeDigits(h, f, keys, gapMs);
    h.advance(waitMs);
    QCOMPARE(answered.empty() ? -1 : answered.front().given, given);
    QVERIFY(answered.size() <= 1);
    typeDigits(h, f, QStringLiteral("5"), 0);  // during the verdict: nothing
    QVERIFY(answered.size() <= 1);
  }

  void theQuestionAndTheVerdictAreReadAloud_data() {
    QTest::addColumn<char>("what");
    QTest::addColumn<QString>("verdict");  // before the complete split
    QTest::newRow("right") << 'r' << "goed!";
    QTest::newRow("wrong") << 'w' << "niet juist.";
    QTest::newRow("question mark") << '?' << "";
  }
  void theQuestionAndTheVerdictAreReadAloud() {
    QFETCH(char, what);
    QFETCH(QString, verdict);
    Harness h;
    FakeSpeaker& speaker = h.readAloud();
    frmopmaat& f = h.show<frmopmaat>();
    const QStringList question = speaker.said();
    QVERIFY2(!question.isEmpty() && question.last().contains(QLatin1String("hoeveel?")),
             qPrintable(question.join(QLatin1Char('|'))));
    QVERIFY(question.last().contains(QRegularExpression(QStringLiteral("^[a-zé ]+\\?$"))));
    speaker.forget();
    act(h, f, what, 1000);
    const QStringList said = speaker.said();
    QCOMPARE(said.size(), 1);
    const QString split = forms::spoken(f.lblvraag.caption());
    const QString expected = verdict.isEmpty() ? split : verdict + u' ' + split;
    QCOMPARE(said.last(), expected + u'.');
  }

  void stopGoesBackAndAVisitStartsAfresh() {
    Harness h;
    frmopmaat& f = h.show<frmopmaat>();
    act(h, f, 'r', 1000);
    h.advance(1000);
    f.cmdstop.click();
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
