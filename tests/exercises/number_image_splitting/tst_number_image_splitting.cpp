// Number-image splitting: the cut drawn for every split of every number, choosing
// another number, and leaving and coming back.

#include <QImage>
#include <QTest>

#include "exercises/number_image_splitting/frmsplitsbeeldB.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

const QString Instruction =
    "\r\n kies een \r\n getal \r\n klik en kijk \r\n onderaan \r\n"
    " hoe het getal\r\n gesplitst kan worden . ";

CommandButton& button(frmsplitsbeeldB& f, const QString& name) {
  return Harness::control<CommandButton>(f, name);
}

CommandButton& numberButton(frmsplitsbeeldB& f, int n) {
  return button(f, n == 10 ? QStringLiteral("cmd1topplus") : QStringLiteral("cmd%1topplus").arg(n));
}

// Names of the visible controls of a kind whose names start with `prefix`, sorted.
template <class T>
QStringList shown(frmsplitsbeeldB& f, const QString& prefix) {
  QStringList names;
  for (T* c : f.findChildren<T*>())
    if (c->objectName().startsWith(prefix) && c->visible()) names << c->objectName();
  names.sort();
  return names;
}

QStringList shownMarks(frmsplitsbeeldB& f) {
  return shown<Shape>(f, "shp");
}
QStringList shownPictures(frmsplitsbeeldB& f) {
  return shown<Image>(f, "imgbeeld");
}

// The split buttons on screen, left to right.
QList<CommandButton*> shownSplitButtons(frmsplitsbeeldB& f) {
  QList<CommandButton*> list;
  for (auto& b : f.splitsknoppen)
    if (b->visible()) list << b.get();
  std::sort(list.begin(), list.end(), [](auto* x, auto* y) { return x->left() < y->left(); });
  return list;
}

bool isBlue(QRgb p) {
  return qBlue(p) > 150 && qRed(p) < 120 && qAlpha(p) > 0;
}

}  // namespace

class TestNumberImageSplitting : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void openingShowsTheInstructionAndNoSplitButtons() {
    Harness h;
    auto& f = h.openFromChooser<frmsplitsbeeldB>("cmdmin22");
    QVERIFY(f.isVisible());
    QVERIFY(!screens::frmkiesbasis().isVisible());
    QCOMPARE(f.lblles.caption(), Instruction);
    QCOMPARE(f.lblstartgetal.caption(), QString());
    QCOMPARE(f.lblsplits1.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QVERIFY(shownSplitButtons(f).isEmpty());
    QVERIFY(shownPictures(f).isEmpty());
    QVERIFY(shownMarks(f).isEmpty());
    for (int n = 2; n <= 10; ++n) QVERIFY(numberButton(f, n).visible());
  }

  void numberButtonShowsItsRowFromZeroToN_data() {
    QTest::addColumn<int>("n");
    for (int n = 2; n <= 10; ++n) QTest::newRow(qPrintable(QString::number(n))) << n;
  }
  void numberButtonShowsItsRowFromZeroToN() {
    QFETCH(int, n);
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    f.Show();
    numberButton(f, 10 - n + 2).click();  // another row first: it must go
    numberButton(f, n).click();
    QCOMPARE(numberButton(f, n).caption(), QString::number(n));
    const auto row = shownSplitButtons(f);
    QCOMPARE(row.size(), n + 1);
    for (int a = 0; a <= n; ++a) {
      QCOMPARE(row[a]->caption().trimmed(), QStringLiteral("%1 + %2").arg(a).arg(n - a));
      QCOMPARE(row[a]->left(), 720 + 960 * a);
    }
    QCOMPARE(f.lblstartgetal.caption(), QString::number(n));
    QVERIFY(shownPictures(f).isEmpty());
    QVERIFY(shownMarks(f).isEmpty());
  }

  void captionsKeepTheirBlanksAndNamesSkipJ() {
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    QCOMPARE(button(f, "cmd2c").caption(), QStringLiteral("2 + 0 "));
    QCOMPARE(button(f, "cmd3a").caption(), QStringLiteral("0 + 3 "));
    QCOMPARE(button(f, "cmd9k").caption(), QStringLiteral("9 + 0"));
    QVERIFY(!f.findChild<CommandButton*>("cmd9j"));
    QCOMPARE(f.splitsknoppen.size(), std::size_t(63));
  }

  // The cut of every split: which marks show, on which picture, with which parts.
  void everySplitShowsItsPictureCutAndParts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("marks");
    struct Row {
      const char* name;
      int n, a, b;
      const char* marks;
    };
    // clang-format off
    const Row rows[] = {
        {"cmd2", 2, 0, 2, "shp2a"}, {"cmd2b", 2, 1, 1, "shp1a shp1b"}, {"cmd2c", 2, 2, 0, "shp2"},
        {"cmd3a", 3, 0, 3, "shp2a"}, {"cmd3b", 3, 1, 2, "shp2"}, {"cmd3d", 3, 2, 1, "shp2"},
        {"cmd3c", 3, 3, 0, "shp2a"},
        {"cmd4a", 4, 0, 4, "shp2a"}, {"cmd4b", 4, 1, 3, "shp1a shp1b"}, {"cmd4e", 4, 2, 2, "shp2"},
        {"cmd4c", 4, 3, 1, "shp3a shp3b shp3c"}, {"cmd4d", 4, 4, 0, "shp4"},
        {"cmd5a", 5, 0, 5, "shp2a"}, {"cmd5b", 5, 1, 4, "shp4"}, {"cmd5c", 5, 2, 3, "shp2"},
        {"cmd5d", 5, 3, 2, "shp2"}, {"cmd5e", 5, 4, 1, "shp4"}, {"cmd5f", 5, 5, 0, "shp2a"},
        {"cmd6a", 6, 0, 6, "shp2a"}, {"cmd6b", 6, 1, 5, "shp1a shp1b"}, {"cmd6c", 6, 2, 4, "shp2"},
        {"cmd6d", 6, 3, 3, "shp3a shp3b shp3c"}, {"cmd6e", 6, 4, 2, "shp4"},
        {"cmd6f", 6, 5, 1, "shp5a shp5b shp5c"}, {"cmd6g", 6, 6, 0, "shp6"},
        {"cmd7a", 7, 0, 7, "shp2a"}, {"cmd7b", 7, 1, 6, "shp6"}, {"cmd7c", 7, 2, 5, "shp2"},
        {"cmd7d", 7, 3, 4, "shp4"}, {"cmd7e", 7, 4, 3, "shp4"}, {"cmd7f", 7, 5, 2, "shp2"},
        {"cmd7g", 7, 6, 1, "shp6"}, {"cmd7h", 7, 7, 0, "shp2a"},
        {"cmd8a", 8, 0, 8, "shp2a"}, {"cmd8b", 8, 1, 7, "shp1a shp1b"}, {"cmd8c", 8, 2, 6, "shp2"},
        {"cmd8d", 8, 3, 5, "shp3a shp3b shp3c"}, {"cmd8e", 8, 4, 4, "shp4"},
        {"cmd8f", 8, 5, 3, "shp5a shp5b shp5c"}, {"cmd8g", 8, 6, 2, "shp6"},
        {"cmd8h", 8, 7, 1, "shp7a shp7b shp7c"}, {"cmd8i", 8, 8, 0, "shp8"},
        {"cmd9a", 9, 0, 9, "shp2a"}, {"cmd9b", 9, 1, 8, "shp8"}, {"cmd9c", 9, 2, 7, "shp2"},
        {"cmd9d", 9, 3, 6, "shp6"}, {"cmd9e", 9, 4, 5, "shp4"}, {"cmd9f", 9, 5, 4, "shp4"},
        {"cmd9g", 9, 6, 3, "shp6"}, {"cmd9h", 9, 7, 2, "shp2"}, {"cmd9i", 9, 8, 1, "shp8"},
        {"cmd9k", 9, 9, 0, "shp2a"},
        {"cmd10a", 10, 0, 10, "shp2a"}, {"cmd10b", 10, 1, 9, "shp1a shp1b"},
        {"cmd10c", 10, 2, 8, "shp2"}, {"cmd10d", 10, 3, 7, "shp3a shp3b shp3c"},
        {"cmd10e", 10, 4, 6, "shp4"}, {"cmd10f", 10, 5, 5, "shp5a shp5b shp5c"},
        {"cmd10g", 10, 6, 4, "shp6"}, {"cmd10h", 10, 7, 3, "shp7a shp7b shp7c"},
        {"cmd10i", 10, 8, 2, "shp8"}, {"cmd10j", 10, 9, 1, "shp9a shp9b shp9c"},
        {"cmd10k", 10, 10, 0, "shp10"},
    };
    // clang-format on
    static_assert(std::size(rows) == 63);
    for (const Row& r : rows)
      QTest::addRow("%d as %d + %d", r.n, r.a, r.b)
          << QString(r.name) << r.n << r.a << r.b << QString(r.marks);
  }
  void everySplitShowsItsPictureCutAndParts() {
    QFETCH(QString, name);
    QFETCH(int, n);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, marks);
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    f.Show();
    numberButton(f, n).click();
    // Another split of the row first: its picture and cut must be replaced.
    button(f, a == 0 ? shownSplitButtons(f).last()->objectName()
                     : shownSplitButtons(f).first()->objectName())
        .click();
    button(f, name).click();

    QCOMPARE(shownPictures(f), QStringList{QStringLiteral("imgbeeld%1").arg(n)});
    QStringList expected = marks.split(' ');
    expected.sort();
    QCOMPARE(shownMarks(f), expected);
    QCOMPARE(f.lblstartgetal.caption(), QString::number(n));
    QCOMPARE(f.lblsplits1.caption(), QString::number(a));
    QCOMPARE(f.lblsplits2.caption(), QString::number(b));
    QCOMPARE(button(f, name).caption().trimmed(), QStringLiteral("%1 + %2").arg(a).arg(b));
    QCOMPARE(shownSplitButtons(f).size(), n + 1);  // the row stays
  }

  void bothOrdersOfAnOddSplitShareOneCut() {
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    f.Show();
    numberButton(f, 7).click();
    button(f, "cmd7c").click();  // 2 + 5
    const QStringList cut = shownMarks(f);
    button(f, "cmd7f").click();  // 5 + 2
    QCOMPARE(shownMarks(f), cut);
    QCOMPARE(cut, QStringList{"shp2"});
    QCOMPARE(f.lblsplits1.caption(), QStringLiteral("5"));
    QCOMPARE(f.lblsplits2.caption(), QStringLiteral("2"));
  }

  void choosingANumberAfterASplitClearsPictureCutAndParts() {
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    f.Show();
    numberButton(f, 8).click();
    button(f, "cmd8d").click();  // 3 + 5: the step
    QCOMPARE(shownMarks(f).size(), 3);
    numberButton(f, 5).click();
    QVERIFY(shownPictures(f).isEmpty());
    QVERIFY(shownMarks(f).isEmpty());
    QCOMPARE(f.lblstartgetal.caption(), QStringLiteral("5"));
    QCOMPARE(f.lblsplits1.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QCOMPARE(shownSplitButtons(f).size(), 6);
    QVERIFY(!button(f, "cmd8d").visible());
  }

  void stopReturnsToTheChooserAndReopeningStartsAfresh() {
    Harness h;
    auto& f = h.openFromChooser<frmsplitsbeeldB>("cmdmin22");
    numberButton(f, 10).click();
    button(f, "cmd10k").click();
    QCOMPARE(shownMarks(f), QStringList{"shp10"});
    f.cmdstop2.click();
    QVERIFY(shownSplitButtons(f).isEmpty());
    QVERIFY(shownPictures(f).isEmpty());
    QVERIFY(shownMarks(f).isEmpty());

    screens::frmkiesbasis().cmdmin22.click();
    QVERIFY(f.isVisible());
    QCOMPARE(f.lblles.caption(), Instruction);
    QCOMPARE(f.lblstartgetal.caption(), QString());
    QCOMPARE(f.lblsplits1.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QVERIFY(shownSplitButtons(f).isEmpty());
    QVERIFY(shownPictures(f).isEmpty());
  }

  // The pictures follow the grid: whole columns of 1200 twips from the left, top square
  // first; and no cut mark ever lies on a square, filled or outlined.
  void picturesFollowTheGridAndMarksFallInTheGaps() {
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    for (int n = 1; n <= 10; ++n) {
      const Image& picture = f.beeld(n);
      const QSize size =
          toPixels(picture.left(), picture.top(), picture.width(), picture.height()).size();
      const QImage image = picture.picture().pixmap(size, 1.0).toImage();
      QCOMPARE(image.size(), size);
      for (int column = 0; column < 5; ++column) {
        const int x = toPixels(1200 * column + 600);
        QCOMPARE(isBlue(image.pixel(x, size.height() / 4)), column < (n + 1) / 2);
        QCOMPARE(isBlue(image.pixel(x, size.height() * 3 / 4)), column < n / 2);
      }
      for (Shape* mark : f.findChildren<Shape*>()) {
        if (!mark->objectName().startsWith("shp")) continue;
        const QRect onPicture = toPixels(mark->left() - picture.left(), mark->top() - picture.top(),
                                         mark->width(), mark->height())
                                    .intersected(image.rect());
        for (int y = onPicture.top(); y <= onPicture.bottom(); ++y)
          for (int x = onPicture.left(); x <= onPicture.right(); ++x)
            if (isBlue(image.pixel(x, y)))
              QFAIL(qPrintable(QStringLiteral("%1 covers a square of imgbeeld%2 at %3,%4")
                                   .arg(mark->objectName())
                                   .arg(n)
                                   .arg(x)
                                   .arg(y)));
      }
    }
  }

  void marksDrawOverThePictureAndTheDiagramOverTheInstruction() {
    Harness h;
    auto& f = h.program().form<frmsplitsbeeldB>();
    const QObjectList order = f.children();
    auto depth = [&](const Control& c) { return order.indexOf(c.widget()); };
    QVERIFY(depth(f.Shape1) < depth(f.imgbeeld1));
    QVERIFY(depth(f.imgbeeld10) < depth(f.shp2a));
    QVERIFY(depth(f.shp9c) < depth(f.lblles));
    QVERIFY(depth(f.lblles) < depth(f.Line1));
    QVERIFY(depth(f.Line2) < depth(f.lblstartgetal));
    QVERIFY(depth(f.lblsplits2) < depth(f.lblsplits1));
    QVERIFY(depth(f.lblsplits1) < depth(f.cmd2topplus));
  }
};

QTEST_MAIN(TestNumberImageSplitting)
#include "tst_number_image_splitting.moc"
