// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

#include <functional>

class QPainter;
class QPixmap;
class QWidget;

// Helpers every window uses: where the main window is, how a dialog is centred over it,
// how a screen tiles its background, and the screen-resolution scaling.
namespace Ui {

// The main window registers itself with the heights of its toolbar and status bar.
void SetMainWindow(QWidget* window, std::function<int()> toolbarHeight,
                   std::function<int()> statusBarHeight);
QWidget* MainWindow();
int MainToolbarHeight();
int MainStatusBarHeight();

// Position of a dialog of the given size over the main window:
// left = client x on screen + window width div 2 - form width div 2,
// top = client height div 2 + window top + toolbar height - form height div 2.
QPoint CentredPosition(const QPoint& clientOriginOnScreen, int windowTop, int windowWidth,
                       int clientHeight, int toolbarHeight, const QSize& formSize);
// Moves the form there (does nothing without a main window).
void CentreOverMainWindow(QWidget* form);

// Paints the tile at every point (tile width * column, tile height * row) for
// column = 0 .. width div tile width and row = 0 .. height div tile height.
void TileFormBackground(QPainter& painter, const QSize& clientSize, const QPixmap& tile);

// The resolution factor s = (dpi * 100 / 96 - 100) / 100 as a 32-bit float, and
// R(x) = x * s rounded to the nearest integer, halves to the even neighbour.
float ScaleFactor(int dotsPerInch);
int ScaleDelta(int x, float s);

} // namespace Ui
