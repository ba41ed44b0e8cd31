// The program as a new user starts it, on a real X server (run under Xvfb at a given
// display size, with no zoom option and no remembered settings): every screen in turn
// lies wholly on the display, and the largest fills most of it.

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/all_screens.h"
#include "forms/program.h"

using namespace forms;

namespace {

// Where a screen is on the display, with its window frame for free screens.
QRect onDisplay(const Form& form) {
  if (form.kind() == Form::Kind::Free) return form.frameGeometry();
  return QRect(form.mapToGlobal(QPoint(0, 0)), form.size());
}

}  // namespace

class TestFitDisplay : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyScreenFitsAndTheLargestFillsTheDisplay() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTemporaryDir home;
    Program program;
    program.setPreferences(std::make_unique<Preferences>(home.filePath("splitsen.conf")));
    startSplitsen(program);
    Form* main = program.mainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const QRect display = main->screen()->geometry();
    qInfo("display %dx%d, zoom %.2f", display.width(), display.height(), zoom());
    QVERIFY(program.zoom().isFitted());

    double largestShare = 0;
    QString largest;
    for (const QString& name : program.screenNames()) {
      Form& form = program.form(name);
      if (form.kind() == Form::Kind::Main) continue;
      form.Show();
      QVERIFY(QTest::qWaitForWindowExposed(form.window()));
      QCoreApplication::processEvents();
      const QRect r = onDisplay(form);
      QVERIFY2(display.contains(r), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
                                                   .arg(name)
                                                   .arg(r.x())
                                                   .arg(r.y())
                                                   .arg(r.width())
                                                   .arg(r.height())
                                                   .arg(display.width())
                                                   .arg(display.height())));
      const double share =
          std::max(double(r.width()) / display.width(), double(r.height()) / display.height());
      qInfo("%-16s %4dx%-4d at %4d,%-4d uses %.0f %%", qPrintable(name), r.width(), r.height(),
            r.x(), r.y(), share * 100);
      if (share > largestShare) {
        largestShare = share;
        largest = name;
      }
      form.Hide();
    }
    QVERIFY2(largestShare >= 0.85, qPrintable(QStringLiteral("the largest screen, %1, uses %2 %")
                                                  .arg(largest)
                                                  .arg(largestShare * 100)));
  }
};

QTEST_MAIN(TestFitDisplay)
#include "tst_fit_display.moc"
