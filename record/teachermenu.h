#pragma once
// The main window's "LEERKRACHT" menu: behind a grown-up check, the teacher's view. The
// teacher's windows open above whatever screen a child has open, centred on the main
// window, and work whether the main window is enabled or not.

class QMenuBar;
class QWidget;

namespace record {

void addTeacherMenu(QMenuBar& menuBar);

// Makes `window` (a top-level dialog of the teacher's, not yet shown) stay above the
// screen in front, for the window manager, and centres it on the main window.
void placeForTeacher(QWidget& window);

// Whether the teacher has one of its windows open (the check, the view with its class
// list): the closing screen's countdown waits for it.
bool teacherWindowOpen();

}  // namespace record
