#pragma once
// The main window's "LEERKRACHT" menu: behind a grown-up check, the teacher's view.

class QMenuBar;

namespace record {

void addTeacherMenu(QMenuBar& menuBar);

}  // namespace record
