#pragma once
// Every screen of the program, from the one list the program registers them in, as the
// rows of a test that walks them all (the main window first).

#include <QStringList>
#include <QTest>

#include "app/all_screens.h"
#include "tests/support/harness.h"

// A program on the test clock with every screen registered.
class WholeProgram : public Harness {
 public:
  WholeProgram() { registerAllScreens(program()); }
};

inline QStringList everyScreen() {
  return WholeProgram().program().screenNames();
}

// One row per screen, in a column "screen".
inline void screenRows() {
  QTest::addColumn<QString>("screen");
  for (const QString& name : everyScreen()) QTest::newRow(qPrintable(name)) << name;
}
