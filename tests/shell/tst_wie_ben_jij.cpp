// "Wie ben jij?": with a class list in the record, a child names itself before the
// chooser; each of forty names is found whole on its tile, in alphabetical order.

#include <QCollator>
#include <QTest>

#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmwiebenjij.h"
#include "shell/mdiform2.h"
#include "tests/record/record_test_support.h"

using namespace forms;

class TestWieBenJij : public QObject {
  Q_OBJECT

  recordtest::RecordedProgram m_program;
  Harness& h() { return m_program.h(); }

 private Q_SLOTS:
  void init() { m_program.begin(); }
  void cleanup() { m_program.end(); }

  void without_a_class_list_the_welcome_button_opens_the_chooser_as_before() {
    h().startPastWelcome();
    QTRY_VERIFY(h().program().loaded(QStringLiteral("frmkiesbasis")) &&
                screens::frmkiesbasis().isVisible());
    QVERIFY(!h().program().loaded(QString::fromLatin1(frmwiebenjij::Name)));
    QVERIFY(!screens::MDIForm2().isEnabled());
  }

  void with_a_class_list_the_child_names_itself_first() {
    recordtest::addChildren({QStringLiteral("Noor"), QStringLiteral("Daan")});
    h().startPastWelcome();
    QTRY_VERIFY(h().program().loaded(QString::fromLatin1(frmwiebenjij::Name)));
    auto& who = h().program().form<frmwiebenjij>();
    QTRY_VERIFY(who.isVisible());
    QVERIFY(!screens::frmmecenaat1().isVisible());
    QVERIFY(!h().program().loaded(QStringLiteral("frmkiesbasis")) ||
            !screens::frmkiesbasis().isVisible());
    QVERIFY(!screens::MDIForm2().isEnabled());
    QVERIFY(who.cmdkind[0].visible() && who.cmdkind[1].visible() && !who.cmdkind[2].visible());
    QCOMPARE(who.cmdkind[0].caption(), QStringLiteral("Daan"));  // alphabetical
    who.cmdkind[0].click();
    QVERIFY(!who.isVisible());
    QVERIFY(screens::frmkiesbasis().isVisible());
    QCOMPARE(record::child(), QStringLiteral("Daan"));
  }

  void forty_children_each_find_their_whole_name_in_alphabetical_order() {
    QStringList names = {"Anne-Sophie", "Jan-Willem van der Berg-Smit",
                         "bo",          "Émile",
                         "Jytte Pegg",  QString(40, QLatin1Char('W')),
                         "Ülkü",        "Maximiliaan Alexander Johannes Pietersen"};
    for (int i = names.size(); i < record::MaxChildren; ++i)
      names << QStringLiteral("Kind %1").arg(i);
    recordtest::addChildren(names);
    h().startPastWelcome();
    auto& who = h().program().form<frmwiebenjij>();
    QCOMPARE(who.namen.size(), record::MaxChildren);
    QCollator dutch{QLocale(QLocale::Dutch)};
    dutch.setCaseSensitivity(Qt::CaseInsensitive);
    dutch.setNumericMode(true);  // "Kind 8" before "Kind 10"
    QRect area;
    for (int i = 0; i < record::MaxChildren; ++i) {
      const CommandButton& tile = who.cmdkind[i];
      QVERIFY(tile.visible());
      if (i > 0)
        QVERIFY2(dutch.compare(who.namen[i - 1], who.namen[i]) < 0, qPrintable(who.namen[i]));
      recordtest::verifyNameFits(tile.caption(), who.letters[i], who.namen[i],
                                 QSize(tile.width(), tile.height()));
      const QRect r(tile.left(), tile.top(), tile.width(), tile.height());
      for (int j = 0; j < i; ++j)
        QVERIFY(!r.intersects({who.cmdkind[j].left(), who.cmdkind[j].top(), who.cmdkind[j].width(),
                               who.cmdkind[j].height()}));
      area |= r;
    }
    QVERIFY(QRect(0, 0, who.clientWidth(), who.clientHeight()).contains(area));
    who.cmdkind[record::MaxChildren - 1].click();
    QCOMPARE(record::child(), who.namen.back());
    QVERIFY(screens::frmkiesbasis().isVisible());
  }
};

QTEST_MAIN(TestWieBenJij)
#include "tst_wie_ben_jij.moc"
