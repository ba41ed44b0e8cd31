#pragma once
// Every screen can be used with the keyboard alone: Tab and Shift+Tab go through the
// controls that take input in reading order (top to bottom, left to right), passing by
// a control that lies wholly under another; a picture that takes clicks takes the focus
// and Space or Enter clicks it; a button that describes itself when the pointer moves
// over it does so too when Tab reaches it.

class QWidget;

namespace forms {

class Form;

// Whether a control lies wholly under another one drawn above it: the child can neither
// see nor click it, so neither Tab nor assistive technology offers it.
bool isCovered(const QWidget* widget);

// Sets up the Tab order and the keyboard of a screen whose controls are all laid out.
void prepareKeyboard(Form& form);

}  // namespace forms
