// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CiclaraViewGeometry.h"

#include <QImage>
#include <QString>

class TCiclaraView;

// The pictures and hover texts the cycle view screen gives its TCiclaraView, drawn here
// rather than loaded. Every row of a bar picture is alike, so the view can cut a band of
// any height from its top rows.
namespace StockPictures {

QImage StepBmp();      // 24 x 824: the day ruler
QImage SlideBar1();    // 17 x 577: grey, light to dark across the width
QImage SlideBar2();    // 17 x 577: grey, dark to light across the width
QImage BleedingBmp();  // 12 x 412: bluish bar
QImage OvulationBmp(); // 12 x 412: green bar
QImage TodayArrow();   // 16 x 9: red arrow pointing right, white is transparent

QImage Picture(CycleView::Picture index);
// The hover text of a picture, translated.
QString Hint(CycleView::Picture index);
// The view's own hint on the cycle view screen ("|Displays records by month ...").
QString ViewHint();

// Gives the view all six pictures and their hover texts.
void Apply(TCiclaraView& view);

} // namespace StockPictures
