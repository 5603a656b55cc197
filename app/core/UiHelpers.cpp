// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiHelpers.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace Ui {

namespace {
struct MainWindowInfo
{
    QPointer<QWidget> window;
    std::function<int()> toolbarHeight;
    std::function<int()> statusBarHeight;
};

MainWindowInfo& info()
{
    static MainWindowInfo i;
    return i;
}
} // namespace

void SetMainWindow(QWidget* window, std::function<int()> toolbarHeight,
                   std::function<int()> statusBarHeight)
{
    info().window = window;
    info().toolbarHeight = std::move(toolbarHeight);
    info().statusBarHeight = std::move(statusBarHeight);
}

QWidget* MainWindow()
{
    return info().window.data();
}

int MainToolbarHeight()
{
    return (info().window && info().toolbarHeight) ? info().toolbarHeight() : 0;
}

int MainStatusBarHeight()
{
    return (info().window && info().statusBarHeight) ? info().statusBarHeight() : 0;
}

QPoint CentredPosition(const QPoint& clientOriginOnScreen, int windowTop, int windowWidth,
                       int clientHeight, int toolbarHeight, const QSize& formSize)
{
    // Integer division truncates toward zero, as the layout rules ask.
    const int left = clientOriginOnScreen.x() + windowWidth / 2 - formSize.width() / 2;
    const int top = clientHeight / 2 + windowTop + toolbarHeight - formSize.height() / 2;
    return QPoint(left, top);
}

void CentreOverMainWindow(QWidget* form)
{
    QWidget* w = MainWindow();
    if (!w || !form)
        return;
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    form->move(CentredPosition(origin, w->frameGeometry().top(), w->frameGeometry().width(),
                               w->height(), MainToolbarHeight(), form->frameGeometry().size()));
}

void TileFormBackground(QPainter& painter, const QSize& clientSize, const QPixmap& tile)
{
    const int tw = tile.width();
    const int th = tile.height();
    if (tw == 0 || th == 0)
        return;
    for (int col = 0; col <= clientSize.width() / tw; ++col) {
        for (int row = 0; row <= clientSize.height() / th; ++row)
            painter.drawPixmap(tw * col, th * row, tile);
    }
}

float ScaleFactor(int dotsPerInch)
{
    return float((dotsPerInch * 100.0 / 96.0 - 100.0) / 100.0);
}

int ScaleDelta(int x, float s)
{
    // Round half to even on the product computed in the float's precision.
    const double v = double(float(x) * s);
    return int(std::nearbyint(v));
}

} // namespace Ui
