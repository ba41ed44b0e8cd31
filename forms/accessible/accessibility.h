#pragma once
// What assistive technology (screen readers, magnifiers, switch access) learns of the
// painted control kinds: a role, a name in the program's own words and, for what takes
// clicks, a press action. Qt's accessibility bridge does the rest.

#include <QString>

class QWidget;

namespace forms {

class Control;

// Installs the interfaces of the painted kinds; the program's first Program does it.
void installAccessibility();

// The name a control goes by: a label's caption; a button's caption, else its layout
// name, else what its picture shows, else its tooltip; a picture's layout name, else
// what it shows, else its tooltip; an option's or a frame's caption; a text box's
// layout name.
QString accessibleName(const Control& control);

// Called once a widget stands for its control: assistive technology that was already
// listening while the widget was made got Qt's plain interface for it, so that one is
// dropped and the control's own is made on the next question.
void adoptForControl(QWidget* widget);

// Tells assistive technology that the name of this widget changed (a new caption).
void announceNameChange(QWidget* widget);

}  // namespace forms
