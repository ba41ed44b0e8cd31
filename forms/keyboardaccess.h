#pragma once
// Every screen can be used with the keyboard alone: Tab and Shift+Tab go through the
// controls that take input in reading order (top to bottom, left to right), a picture
// that takes clicks takes the focus and Space or Enter clicks it, and a button that
// describes itself when the pointer moves over it does so too when Tab reaches it.

namespace forms {

class Form;

// Sets up the Tab order and the keyboard of a screen whose controls are all laid out.
void prepareKeyboard(Form& form);

}  // namespace forms
