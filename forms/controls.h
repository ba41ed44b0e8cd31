#pragma once
// Every control kind of the form model. A screen declares its controls as members (in
// twips and 0x00BBGGRR colours) and drives them through these small APIs; the Qt widgets
// behind them are the model's business.
//
// Every control is a QObject named as in the layout, a descendant of its screen, with
// its properties readable through Qt (Visible, Left, Caption, BackColor, ...).
// Windowless kinds (Label, Image, Shape, Line) are always drawn under windowed ones
// (CommandButton, TextBox, OptionButton, Frame, ProgressBar, StatusBar).

#include "forms/commandbutton.h"
#include "forms/container.h"
#include "forms/control.h"
#include "forms/controlarray.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/menuitem.h"
#include "forms/optionbutton.h"
#include "forms/progressbar.h"
#include "forms/shape.h"
#include "forms/statusbar.h"
#include "forms/textbox.h"
#include "forms/timer.h"
