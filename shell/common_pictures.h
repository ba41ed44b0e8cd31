#pragma once
// The small picture vocabulary that several screens share.

#include "forms/pictures.h"

namespace pictures {

using forms::Picture;

Picture stop();    // red octagonal STOP sign, on every stop button
Picture start();   // space shuttle, on start and repeat buttons
Picture car();     // green car, the split machine's check button
Picture wizard();  // old bearded man with a staff, on check and help buttons
Picture logo();    // the program's small logo, on every exercise screen
// The logo's tooltip: the program's name, where another program would name its maker.
QString logoTooltip();

}  // namespace pictures
