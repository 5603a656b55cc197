// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraMainU.h"

#include "AddNewCycleU.h"
#include "CalendarSettingsApply.h"
#include "ChangeUserU.h"
#include "CiclaraTable.h"
#include "CiclaraView.h"
#include "CycleMath.h"
#include "CyclesViewU.h"
#include "Globals.h"
#include "HotSincingU.h"
#include "LocalEndpoint.h"
#include "MessageBox.h"
#include "NewUserU.h"
#include "NiceCalendar.h"
#include "PredictionU.h"
#include "Startup.h"
#include "UiHelpers.h"
#include "UserAccounts.h"
#include "UserStore.h"
#include "UsersU.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

const char* const HelpContextProperty = "helpContext";
// Set on dialogs whose hints the main window shows in its status bar.
const char* const ForwardsStatusTipsProperty = "forwardsStatusTips";
// The main window's own page: the help contents.
constexpr int ContentsHelpContext = 1001;
constexpr int GlyphSize = 32;
constexpr int ListenRetryMs = 500;

const QColor CaptionColour(0, 0, 166);

enum class Glyph
{
    CycleView,
    AddCycle,
    CycleChart,
    TempView,
    AddTemp,
    TempChart,
    Prediction,
    Schedule
};

// A cycle drawn as a ring: the period in red, the ovulation window in green, today as a
// dot on the ring.
void drawCycleRing(QPainter& p, const QRectF& r)
{
    const qreal w = r.width() * 0.16;
    const QRectF ring = r.adjusted(w / 2, w / 2, -w / 2, -w / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 196, 210), w, Qt::SolidLine, Qt::FlatCap));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(206, 32, 72), w, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 90 * 16, 64 * 16);
    p.setPen(QPen(QColor(46, 158, 84), w, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, -90 * 16 + 8 * 16, 78 * 16);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(40, 70, 170));
    const QPointF today(ring.center().x() - ring.width() / 2 * 0.866,
                        ring.center().y() + ring.height() / 2 * 0.5);
    p.drawEllipse(today, w * 0.75, w * 0.75);
}

// A thermometer: glass tube and bulb with a red column.
void drawThermometer(QPainter& p, const QRectF& r)
{
    const qreal tubeW = r.width() * 0.28;
    const qreal cx = r.center().x();
    const qreal bulbR = tubeW * 0.95;
    const QPointF bulb(cx, r.bottom() - bulbR);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(cx - tubeW / 2, r.top(), tubeW, r.height() - bulbR), tubeW / 2,
                         tubeW / 2);
    glass.addEllipse(bulb, bulbR, bulbR);
    p.setPen(QPen(QColor(90, 100, 120), 1.2));
    p.setBrush(QColor(244, 248, 252));
    p.drawPath(glass.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 38, 46));
    const qreal inner = tubeW * 0.42;
    p.drawRoundedRect(QRectF(cx - inner / 2, r.top() + r.height() * 0.32, inner, r.height() * 0.5),
                      inner / 2, inner / 2);
    p.drawEllipse(bulb, bulbR * 0.68, bulbR * 0.68);
    p.setPen(QPen(QColor(90, 100, 120), 1.0));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + r.height() * (0.14 + 0.13 * i);
        p.drawLine(QPointF(cx + tubeW / 2 + 1.5, y), QPointF(cx + tubeW / 2 + 4.5, y));
    }
}

// A small green "add" badge in the lower right corner.
void drawAddBadge(QPainter& p, qreal size)
{
    const qreal d = size * 0.46;
    const QRectF badge(size - d - 0.5, size - d - 0.5, d, d);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(40, 150, 70));
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, size * 0.075, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = badge.center();
    const qreal a = d * 0.26;
    p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
}

void drawAxes(QPainter& p, qreal s)
{
    p.setPen(QPen(QColor(70, 76, 90), 1.4, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(s * 0.12, s * 0.1), QPointF(s * 0.12, s * 0.88));
    p.drawLine(QPointF(s * 0.12, s * 0.88), QPointF(s * 0.92, s * 0.88));
}

// A page of a wall calendar with its binding rings and a grid of days.
void drawCalendarPage(QPainter& p, qreal s, const QColor& header)
{
    const QRectF page(s * 0.08, s * 0.14, s * 0.84, s * 0.78);
    p.setPen(QPen(QColor(90, 100, 120), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(header);
    p.drawRect(QRectF(page.left() + 0.6, page.top() + 0.6, page.width() - 1.2, s * 0.18));
    p.setPen(QPen(QColor(70, 76, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.3, s * 0.06), QPointF(s * 0.3, s * 0.22));
    p.drawLine(QPointF(s * 0.7, s * 0.06), QPointF(s * 0.7, s * 0.22));
}

void paintGlyph(QPainter& p, Glyph g, qreal s)
{
    p.setRenderHint(QPainter::Antialiasing);
    switch (g) {
    case Glyph::CycleView:
        drawCycleRing(p, QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
        break;
    case Glyph::AddCycle:
        drawCycleRing(p, QRectF(s * 0.02, s * 0.02, s * 0.74, s * 0.74));
        drawAddBadge(p, s);
        break;
    case Glyph::CycleChart: {
        drawAxes(p, s);
        const qreal heights[] = {0.52, 0.66, 0.44, 0.6};
        p.setPen(QPen(QColor(150, 20, 56), 1.0));
        p.setBrush(QColor(222, 70, 108));
        for (int i = 0; i < 4; ++i) {
            const qreal h = s * heights[i];
            p.drawRect(QRectF(s * (0.2 + 0.18 * i), s * 0.86 - h, s * 0.13, h));
        }
        p.setPen(QPen(QColor(40, 150, 70), 1.4, Qt::DashLine));
        p.drawLine(QPointF(s * 0.14, s * 0.3), QPointF(s * 0.94, s * 0.3));
        break;
    }
    case Glyph::TempView:
        drawThermometer(p, QRectF(s * 0.22, s * 0.04, s * 0.56, s * 0.92));
        break;
    case Glyph::AddTemp:
        drawThermometer(p, QRectF(s * 0.04, s * 0.02, s * 0.5, s * 0.82));
        drawAddBadge(p, s);
        break;
    case Glyph::TempChart: {
        drawAxes(p, s);
        const QPointF pts[] = {{0.2, 0.66}, {0.34, 0.7},  {0.48, 0.62},
                               {0.6, 0.4},  {0.72, 0.34}, {0.86, 0.28}};
        QPolygonF line;
        for (const QPointF& pt : pts)
            line << QPointF(pt.x() * s, pt.y() * s);
        p.setPen(QPen(QColor(30, 90, 200), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(line);
        p.setPen(QPen(Qt::white, 0.8));
        p.setBrush(QColor(214, 38, 46));
        for (const QPointF& pt : line)
            p.drawEllipse(pt, s * 0.05, s * 0.05);
        break;
    }
    case Glyph::Prediction: {
        drawCalendarPage(p, s, QColor(120, 90, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 32, 72));
        p.drawEllipse(QRectF(s * 0.2, s * 0.44, s * 0.16, s * 0.16));
        p.setPen(QPen(QColor(40, 150, 70), s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(s * 0.4, s * 0.7), QPointF(s * 0.76, s * 0.7));
        p.drawLine(QPointF(s * 0.64, s * 0.58), QPointF(s * 0.77, s * 0.7));
        p.drawLine(QPointF(s * 0.64, s * 0.82), QPointF(s * 0.77, s * 0.7));
        break;
    }
    case Glyph::Schedule: {
        drawCalendarPage(p, s, QColor(214, 38, 46));
        const QColor marks[] = {QColor(206, 32, 72), QColor(200, 200, 208),
                                QColor(40, 150, 70), QColor(200, 200, 208),
                                QColor(30, 90, 200), QColor(200, 200, 208)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            p.setBrush(marks[(i * 5) % 6]);
            p.drawRect(QRectF(s * (0.17 + 0.23 * (i % 3)), s * (0.42 + 0.16 * (i / 3)), s * 0.16,
                              s * 0.11));
        }
        break;
    }
    }
}

QIcon makeGlyph(Glyph g)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pm(GlyphSize * scale, GlyphSize * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.scale(scale, scale);
        paintGlyph(p, g, GlyphSize);
        p.end();
        pm.setDevicePixelRatio(scale);
        icon.addPixmap(pm);
    }
    return icon;
}

// The toolbar panel: a light gradient framed by an edge on all four sides.
class MainToolBar : public QToolBar
{
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        const QColor base = palette().color(QPalette::Window);
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, base.lighter(108));
        fill.setColorAt(1, base.darker(104));
        p.fillRect(r, fill);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
};

// The area under the menu bar. Where no screen covers it, a soft gradient shows.
class ClientPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(252, 250, 252));
        fill.setColorAt(1, QColor(236, 226, 236));
        p.fillRect(rect(), fill);
    }
};

// Hints are "tooltip|status text"; only the status text goes to the status bar.
void setHint(QAction* action, const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    const QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    action->setStatusTip(longPart);
    action->setToolTip(shortPart);
    action->setProperty("hint", hint);
}

int ownHelpContext(const QObject* o)
{
    return o ? o->property(HelpContextProperty).toInt() : 0;
}

} // namespace

TCiclaraMainForm::TCiclaraMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CiclaraMainForm"));
    setProperty(HelpContextProperty, ContentsHelpContext);
    setWindowTitle(QStringLiteral("Ciclara"));
    setWindowIcon(makeGlyph(Glyph::CycleView));
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);
    CurrentScreenName = objectName();
    HelpTarget = this;

    MainTable = new CiclaraTable(Schema::Cycle(), this);
    MainTable->setObjectName(QStringLiteral("MainTable"));

    AskPassword = [](const QString&) { return true; };
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    m_client = new ClientPanel(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);

    createCommands();
    createToolBar();

    StatusBar1 = new QStatusBar(m_client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(qMax(20, fontMetrics().height() + 8));
    StatusBar1->showMessage(tr("Info :"));
    // Its own panel with an edge above, apart from the screens.
    StatusBar1->setAutoFillBackground(true);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar#StatusBar1 { border-top: 1px solid "
                                             "palette(mid); background: palette(window); }"));

    m_client->installEventFilter(this);
    qApp->installEventFilter(this); // F1 anywhere in the program asks for help

    Globals::SetCaptionHandler([this](const QString& caption) { setWindowTitle(caption); });
    Ui::SetMainWindow(
        this, [this] { return ToolbarHeight(); }, [this] { return StatusBarHeight(); });

    m_endpoint = new LocalEndpoint(Endpoints::MainForm(), this);
    m_endpoint->setHandler([this](quint32 message) { return HandleMessage(message); });
    startListening();
    FormResize();
}

TCiclaraMainForm::~TCiclaraMainForm()
{
    Globals::SetCaptionHandler(nullptr);
    MainTable->close();
}

void TCiclaraMainForm::startListening()
{
    if (m_endpoint->listen())
        return;
    // The endpoint is still held by a window that is closing (a restart after a change of
    // language): take it over as soon as it is free.
    if (!m_listenRetry) {
        m_listenRetry = new QTimer(this);
        m_listenRetry->setInterval(ListenRetryMs);
        connect(m_listenRetry, &QTimer::timeout, this, [this] {
            if (m_endpoint->listen())
                m_listenRetry->stop();
        });
    }
    m_listenRetry->start();
}

void TCiclaraMainForm::createCommands()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    auto addMenu = [this](const char* name, const QString& title, int help) {
        QMenu* menu = MainMenu1->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->setProperty(HelpContextProperty, help);
        menu->menuAction()->setProperty(HelpContextProperty, help);
        return menu;
    };
    using Slot = void (TCiclaraMainForm::*)();
    auto addCommand = [this](QMenu* menu, const char* name, const QString& text, int help,
                             const QString& hint, Slot slot, bool enabled = false) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (help)
            action->setProperty(HelpContextProperty, help);
        setHint(action, hint);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
        menu->addAction(action);
        return action;
    };

    QMenu* main = addMenu("Main1", tr("&Main"), 2003);
    ChangeUserAction =
        addCommand(main, "ChangeUser", tr("&Change active User"), 6004,
                   tr("|Displays Change active User dialog"), &TCiclaraMainForm::ChangeUserClick);
    AdministrateUsersAction =
        addCommand(main, "AdministrateUsers1", tr("&Administrate Users"), 6002,
                   tr("|Displays Administrate Users dialog - add, delete, edit user information "
                      "and password."),
                   &TCiclaraMainForm::AdministrateUsers1Click);
    ExitAction = addCommand(main, "Exit1", tr("E&xit"), 0, tr("|Exits Ciclara"),
                            &TCiclaraMainForm::Exit1Click, true);

    QMenu* cycle = addMenu("Cycle1", tr("&Cycle"), 2004);
    CycleViewAction =
        addCommand(cycle, "CycleViewAction", tr("Cycle view"), 3003,
                   tr("|Displays Cycle View screen"), &TCiclaraMainForm::SBCycleViewClick);
    AddCycleAction =
        addCommand(cycle, "AddCycleAction", tr("Add cycle"), 3001,
                   tr("|Displays Add new cycle window"), &TCiclaraMainForm::SBAddNewCycleClick);
    CycleChartAction =
        addCommand(cycle, "CycleChartAction", tr("Cycle chart"), 3004,
                   tr("|Displays Cycle Chart screen"), &TCiclaraMainForm::SBCycleChartClick);

    QMenu* temperature = addMenu("Temperature1", tr("&Temperature"), 2005);
    TempViewAction =
        addCommand(temperature, "TempViewAction", tr("Temperature view"), 4003,
                   tr("|Displays Temperature View screen"), &TCiclaraMainForm::SBTempViewClick);
    AddTempAction = addCommand(temperature, "AddTempAction", tr("Add temperature"), 4001,
                               tr("|Displays Add Temperature window"),
                               &TCiclaraMainForm::SBAddNewTemperatureClick);
    TempChartAction = addCommand(temperature, "TempChartAction", tr("Temperature chart"), 3004,
                                 tr("|Displays Temperature Chart screen"),
                                 &TCiclaraMainForm::SBTemperatureChartClick);

    QMenu* tools = addMenu("Tools1", tr("&Tools"), 2006);
    PredictionAction =
        addCommand(tools, "PredictionAction", tr("Prediction"), 5001,
                   tr("|Displays Prediction screen"), &TCiclaraMainForm::SBPredictionClick);
    SchedulerAction =
        addCommand(tools, "SchedulerAction", tr("&Schedule"), 5002,
                   tr("|Displays Schedule edit screen"), &TCiclaraMainForm::SBSheduleEditClick);
    OptionsAction = addCommand(tools, "Options", tr("&Options"), 5004,
                               tr("|Displays Options screen"), &TCiclaraMainForm::OptionsClick);
    CalculatorAction =
        addCommand(tools, "Calculateidealweightheight1", tr("Calculate ideal weight/height"), 0,
                   QString(), &TCiclaraMainForm::Calculateidealweightheight1Click);
    tools->addSeparator();
    ExportToExcelAction = addCommand(tools, "MenuExportToExcelMenu", tr("Export to &Excel"), 5005,
                                     tr("|Exports data to Microsoft Excel"),
                                     &TCiclaraMainForm::MenuExportToExcelMenuClick);
    ExportToWordAction =
        addCommand(tools, "ExportToWordMenu", tr("Export to &Word"), 5005,
                   tr("|Exports data to Microsoft Word"), &TCiclaraMainForm::ExportToWordMenuClick);

    QMenu* help = addMenu("Help1", tr("&Help"), 2007);
    HelpAction =
        addCommand(help, "CiclaraHelp1", tr("Ciclara &Help"), 2007, tr("|Displays Help topics"),
                   &TCiclaraMainForm::CiclaraHelp1Click, true);
    HomePageAction =
        addCommand(help, "CiclaraHomepage1", tr("Ciclara H&ome page"), 0,
                   tr("|Navigates to home page"), &TCiclaraMainForm::CiclaraHomepage1Click, true);
    help->addSeparator();
    AboutAction =
        addCommand(help, "About1", tr("&About"), 0, tr("|Displays information about the program"),
                   &TCiclaraMainForm::About1Click);
}

void TCiclaraMainForm::createToolBar()
{
    ToolBar1 = new MainToolBar(m_client);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(DesignToolbarHeight);
    ToolBar1->setContentsMargins(2, 0, 2, 0);
    ToolBar1->setIconSize(QSize(GlyphSize, GlyphSize));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    struct Button
    {
        const char* name;
        const char* caption;
        QAction* action;
        Glyph glyph;
    };
    const Button buttons[] = {
        {"SBCycleView", QT_TR_NOOP("Cycle View"), CycleViewAction, Glyph::CycleView},
        {"SBAddNewCycle", QT_TR_NOOP("Add Cycle"), AddCycleAction, Glyph::AddCycle},
        {"SBCycleChart", QT_TR_NOOP("Cycle Chart"), CycleChartAction, Glyph::CycleChart},
        {"SBTempView", QT_TR_NOOP("Temp View"), TempViewAction, Glyph::TempView},
        {"SBAddNewTemperature", QT_TR_NOOP("Add Temp"), AddTempAction, Glyph::AddTemp},
        {"SBTemperatureChart", QT_TR_NOOP("Temp Chart"), TempChartAction, Glyph::TempChart},
        {"SBPrediction", QT_TR_NOOP("Prediction"), PredictionAction, Glyph::Prediction},
        {"SBSheduleEdit", QT_TR_NOOP("Schedule"), SchedulerAction, Glyph::Schedule},
    };
    // The captions use the small toolbar font of the design, so they fit the buttons.
    QFont captionFont = font();
    captionFont.setPointSizeF(7.5);
    for (const Button& b : buttons) {
        // The menu shows the action's caption, the button its own.
        b.action->setIconText(tr(b.caption));
        b.action->setIcon(makeGlyph(b.glyph));
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QLatin1String(b.name));
        button->setDefaultAction(b.action);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setIconSize(QSize(GlyphSize, GlyphSize));
        button->setFixedSize(DesignButtonWidth, DesignButtonHeight);
        button->setFont(captionFont);
        QPalette pal = button->palette();
        pal.setColor(QPalette::Active, QPalette::ButtonText, CaptionColour);
        pal.setColor(QPalette::Inactive, QPalette::ButtonText, CaptionColour);
        button->setPalette(pal);
        // Hints that start with the bar have no tooltip part: no bubble for the button.
        button->installEventFilter(this);
        ToolBar1->addWidget(button);
    }
}

bool TCiclaraMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The long part of the hint under the mouse, or nothing when there is none.
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TCiclaraMainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        // A dialog's hints go to the main window's status bar, as the screens' do.
        if (auto* w = qobject_cast<QWidget*>(watched);
            w && w->isWindow() && w != this && w->property(ForwardsStatusTipsProperty).toBool())
            StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        break;
    case QEvent::Resize:
        if (watched == m_client)
            FormResize();
        break;
    case QEvent::ToolTip:
        if (auto* button = qobject_cast<QToolButton*>(watched);
            button && button->parent() == ToolBar1 && button->defaultAction()) {
            const QString hint = button->defaultAction()->property("hint").toString();
            if (hint.startsWith(QLatin1Char('|')))
                return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier ||
            !watched->isWidgetType())
            break;
        int context = 0;
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            context = ownHelpContext(menu->activeAction());
            if (!context)
                context = ownHelpContext(menu);
        }
        if (!context)
            context = HelpContextFor(QApplication::focusWidget());
        if (context)
            AppHelp(context);
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

int TCiclaraMainForm::ToolbarHeight() const
{
    return ToolBar1->height();
}

int TCiclaraMainForm::StatusBarHeight() const
{
    return StatusBar1->height();
}

QRect TCiclaraMainForm::ScreenRect() const
{
    const int top = ToolbarHeight();
    return QRect(0, top, m_client->width(), m_client->height() - StatusBarHeight() - top);
}

void TCiclaraMainForm::FormResize()
{
    const int width = m_client->width();
    ToolBar1->setGeometry(0, 0, width, ToolbarHeight());
    StatusBar1->setGeometry(0, m_client->height() - StatusBarHeight(), width, StatusBarHeight());
    const QRect area = ScreenRect();
    for (const QPointer<QWidget>& screen : std::as_const(m_screens)) {
        if (screen)
            screen->setGeometry(area);
    }
}

void TCiclaraMainForm::EmbedScreen(QWidget* screen)
{
    if (!screen || m_screens.contains(screen))
        return;
    screen->hide();
    screen->setParent(m_client);
    screen->setGeometry(ScreenRect());
    m_screens << screen;
}

void TCiclaraMainForm::ShowScreen(QWidget* screen, QWidget* helpTarget)
{
    if (!screen)
        return;
    CurrentScreenName = screen->objectName();
    HelpTarget = helpTarget;
    screen->setGeometry(ScreenRect());
    screen->show();
    screen->raise();
}

QList<QWidget*> TCiclaraMainForm::Screens() const
{
    QList<QWidget*> list;
    for (const QPointer<QWidget>& screen : m_screens) {
        if (screen)
            list << screen.data();
    }
    return list;
}

void TCiclaraMainForm::ScaleToResolution(int dotsPerInch)
{
    if (dotsPerInch == 96 || dotsPerInch <= 0)
        return;
    const float s = Ui::ScaleFactor(dotsPerInch);
    const int toolbar = ToolbarHeight();
    ToolBar1->setFixedHeight(toolbar + Ui::ScaleDelta(toolbar, s));
    const auto buttons =
        ToolBar1->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QToolButton* button : buttons) {
        if (!button->defaultAction() || button->objectName().isEmpty())
            continue; // the toolbar's own extension button
        const QSize size = button->minimumSize();
        button->setFixedSize(size.width() + Ui::ScaleDelta(size.width(), s),
                             size.height() + Ui::ScaleDelta(size.height(), s));
    }
    const int w = width();
    const int h = height();
    resize(w + Ui::ScaleDelta(w, s), h + Ui::ScaleDelta(h, s));
    FormResize();
}

void TCiclaraMainForm::RegisterCalendarApplier(std::function<void()> applier)
{
    if (applier)
        m_calendarAppliers << std::move(applier);
}

void TCiclaraMainForm::ApplyCalendarSettingsToScreens()
{
    // Copied: an applier may register another one.
    const auto appliers = m_calendarAppliers;
    for (const auto& apply : appliers)
        apply();
}

void TCiclaraMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    ApplyCalendarSettingsToScreens();
    ScaleToResolution(logicalDpiY());
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        move(available.center() -
             QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    CurrentScreenName = objectName();
    HelpTarget = this;
    // The active user is chosen once the window is up, so a question about her password
    // appears over it.
    QTimer::singleShot(0, this, &TCiclaraMainForm::FormShowChooseUser);
}

void TCiclaraMainForm::FormShowChooseUser()
{
    if (Startup::ChooseActiveUser(AskPassword) == Startup::UserChoice::Terminate) {
        // Cancel ends the program; her data is not opened.
        m_firstShowDone = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    setWindowTitle(QStringLiteral("Ciclara - ") + Globals::ActiveUser());
    OpenActiveUser();
    m_firstShowDone = true;
}

void TCiclaraMainForm::openMainTable()
{
    if (!MainTable->open()) {
        ShowMessageBox(tr("The cycle table %1 cannot be opened:\n%2")
                           .arg(MainTable->fileName(), MainTable->errorString()),
                       Msg::Error, 0, 0, Msg::OkSet);
        return;
    }
    // A damaged table is reported and left as it is: rewriting it could lose what is left.
    if (!MainTable->quickCheck())
        ShowMessageBox(tr("The cycle table %1 is damaged:\n%2")
                           .arg(MainTable->fileName(), MainTable->errorString()),
                       Msg::Error, 0, 0, Msg::OkSet);
}

void TCiclaraMainForm::OpenActiveUser()
{
    MainTable->close();
    QString user = Globals::ActiveUser();
    const QString cycleFile = UserStore::UserFile(user, Schema::Cycle().fileName);
    MainTable->setFileName(cycleFile);
    const bool found = !cycleFile.isEmpty() && MainTable->exists();
    if (found)
        openMainTable();
    else
        user = QStringLiteral("Noname");

    Globals::SetActiveUser(user);
    Globals::SetCurrentUserDir(Globals::ProgramDir() + user + QLatin1Char('/'));
    // A fallback to "Noname" must not leave her without a folder, a record or an open
    // cycle table.
    if (!QFileInfo::exists(UserStore::UserFolder(user)))
        Startup::EnsureUser(user);
    UserStore::CreateMissingTables();
    if (!found) {
        MainTable->setFileName(UserStore::UserFile(user, Schema::Cycle().fileName));
        if (MainTable->exists())
            openMainTable();
    }
    // Her newest cycle is the one to show, as when the cycle view first opens.
    if (MainTable->isOpen() && !MainTable->isEmpty())
        MainTable->last();
    SBCycleViewClick();
    if (m_cycleViewForm)
        m_cycleViewForm->UpdateCycleView();
}

void TCiclaraMainForm::closeEvent(QCloseEvent* event)
{
    if (StoreUnsavedScheduleDay)
        StoreUnsavedScheduleDay();
    const QRect bounds = frameGeometry();
    Globals::WriteFormBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    event->accept();
    emit closed();
}

void TCiclaraMainForm::SetResourcesForm(THotSincingForm* form)
{
    m_resourcesForm = form;
}

qint32 TCiclaraMainForm::HandleMessage(quint32 message)
{
    switch (message) {
    case ShowResourcesMessage:
        // Shown modally, but opened after the answer: the endpoint handles one message at
        // a time and must not wait for the form to close.
        if (m_resourcesForm && !m_resourcesForm->isVisible()) {
            QTimer::singleShot(0, this, [this] {
                if (m_resourcesForm && !m_resourcesForm->isVisible())
                    m_resourcesForm->ShowResources();
            });
        }
        return 0;
    case CloseResourcesMessage:
        if (m_resourcesForm)
            m_resourcesForm->close();
        return 0;
    case Endpoints::BringToFront:
        if (isMinimized())
            setWindowState(windowState() & ~Qt::WindowMinimized);
        if (isVisible()) {
            raise();
            activateWindow();
        }
        return 0;
    case Endpoints::CloseRequest:
        QTimer::singleShot(0, this, &QWidget::close);
        return 0;
    default:
        return 0;
    }
}

int TCiclaraMainForm::HelpContextFor(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const int context = ownHelpContext(w))
            return context;
    }
    return 0;
}

bool TCiclaraMainForm::AppHelp(int context)
{
    if (m_helpReentry) {
        m_helpReentry = false;
        showHelpPage(context);
        return true;
    }
    // F1 on a control of the current screen shows the help target's page instead of the
    // screen's own.
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* form = focus ? focus->parentWidget() : nullptr;
    if (form && form->objectName() == CurrentScreenName && ownHelpContext(form) == context) {
        if (HelpTarget) {
            m_helpReentry = true;
            AppHelp(ownHelpContext(HelpTarget));
        }
        return false;
    }
    showHelpPage(context);
    return true;
}

void TCiclaraMainForm::showHelpPage(int context)
{
    if (!OpenUrl)
        return;
    const int page = context ? context : ContentsHelpContext;
    OpenUrl(QUrl::fromLocalFile(Startup::HelpPagePath(Globals::LanguageId(), page)));
}

QString TCiclaraMainForm::HomePageAddress(int languageId)
{
    switch (languageId) {
    case 2:
        return QStringLiteral("https://www.veltrana.com/bg/ciclara/");
    case 1033:
        return QStringLiteral("https://www.veltrana.com/ciclara/");
    default:
        return QString();
    }
}

void TCiclaraMainForm::Exit1Click()
{
    close();
}

void TCiclaraMainForm::CiclaraHelp1Click()
{
    AppHelp(ContentsHelpContext);
}

void TCiclaraMainForm::CiclaraHomepage1Click()
{
    const QString address = HomePageAddress(Globals::LanguageId());
    if (!address.isEmpty() && OpenUrl)
        OpenUrl(QUrl(address));
}

// The commands below open screens and dialogs that are wired in by their own parts.
void TCiclaraMainForm::SBCycleChartClick() {}
void TCiclaraMainForm::SBTempViewClick() {}
void TCiclaraMainForm::SBAddNewTemperatureClick() {}
void TCiclaraMainForm::SBTemperatureChartClick() {}
void TCiclaraMainForm::SBSheduleEditClick() {}
void TCiclaraMainForm::OptionsClick() {}
void TCiclaraMainForm::Calculateidealweightheight1Click() {}
void TCiclaraMainForm::MenuExportToExcelMenuClick() {}
void TCiclaraMainForm::ExportToWordMenuClick() {}
void TCiclaraMainForm::SetUserDialogs(TNewUserForm* newUser, TChangeUserForm* changeUser,
                                      TUsersForm* users)
{
    m_newUserForm = newUser;
    m_changeUserForm = changeUser;
    m_usersForm = users;
    for (QWidget* dialog : {static_cast<QWidget*>(newUser), static_cast<QWidget*>(changeUser),
                            static_cast<QWidget*>(users)}) {
        if (dialog)
            dialog->setProperty(ForwardsStatusTipsProperty, true);
    }
    ChangeUserAction->setEnabled(changeUser != nullptr);
    AdministrateUsersAction->setEnabled(users != nullptr);
    if (changeUser) {
        AskPassword = [this](const QString& user) {
            return m_changeUserForm && m_changeUserForm->ShowForUser(user) == QDialog::Accepted;
        };
    }
    UserAccounts::Hooks hooks = UserAccounts::CurrentHooks();
    hooks.storePendingScheduleDay = [this] {
        if (StoreUnsavedScheduleDay)
            StoreUnsavedScheduleDay();
    };
    hooks.closeActiveUserTables = [this] { CloseActiveUserTables(); };
    hooks.reopenActiveUserTables = [this] { ReopenActiveUserTables(); };
    UserAccounts::SetHooks(hooks);
}

TNewUserForm* TCiclaraMainForm::NewUserForm() const
{
    return m_newUserForm.data();
}

TChangeUserForm* TCiclaraMainForm::ChangeUserForm() const
{
    return m_changeUserForm.data();
}

TUsersForm* TCiclaraMainForm::UsersForm() const
{
    return m_usersForm.data();
}

void TCiclaraMainForm::RegisterUserTables(std::function<void()> close, std::function<void()> reopen)
{
    if (close)
        m_tableClosers << std::move(close);
    if (reopen)
        m_tableReopeners << std::move(reopen);
}

void TCiclaraMainForm::CloseActiveUserTables()
{
    for (const auto& close : std::as_const(m_tableClosers))
        close();
    MainTable->close();
}

void TCiclaraMainForm::ReopenActiveUserTables()
{
    // OpenActiveUser reads the active user afresh and shows the cycle view again.
    OpenActiveUser();
    for (const auto& reopen : std::as_const(m_tableReopeners))
        reopen();
}

void TCiclaraMainForm::ChangeUserClick()
{
    if (!m_changeUserForm)
        return;
    if (m_changeUserForm->ShowForUser(Globals::ActiveUser()) == QDialog::Accepted)
        ReopenActiveUserTables();
}

void TCiclaraMainForm::AdministrateUsers1Click()
{
    if (!m_usersForm)
        return;
    // A rename may have changed the active user's name: write it and the caption again.
    if (m_usersForm->exec() == QDialog::Accepted)
        Globals::SetActiveUser(Globals::ActiveUser());
}

void TCiclaraMainForm::About1Click() {}

void TCiclaraMainForm::SetCycleScreens(TAddNewCycleForm* addCycle, TCycleViewForm* cycleView,
                                       TPredictionForm* prediction)
{
    m_addNewCycleForm = addCycle;
    m_cycleViewForm = cycleView;
    m_predictionForm = prediction;
    if (addCycle)
        addCycle->setProperty(ForwardsStatusTipsProperty, true);
    CycleViewAction->setEnabled(cycleView != nullptr);
    AddCycleAction->setEnabled(addCycle && cycleView);
    PredictionAction->setEnabled(prediction != nullptr);
    // A date stored from the prediction is handed to the cycle view, as an added one is.
    if (prediction && cycleView)
        connect(prediction, &TPredictionForm::cycleStored, cycleView,
                [cycleView](int period, int cycleLength, const QDate& start) {
                    cycleView->CiclaraView1->ShowCycle(period, cycleLength, start);
                });
    RegisterCalendarApplier([addCycle = QPointer<TAddNewCycleForm>(addCycle),
                             prediction = QPointer<TPredictionForm>(prediction),
                             cycleView = QPointer<TCycleViewForm>(cycleView)] {
        if (addCycle) {
            ApplyCalendarSettings(*addCycle->StartCal);
            ApplyCalendarSettings(*addCycle->EndCal);
        }
        if (prediction) {
            ApplyCalendarSettings(*prediction->StartCal);
            ApplyCalendarSettings(*prediction->EndCal);
        }
        if (cycleView)
            cycleView->CiclaraView1->setNativeLanguage(Globals::NativeLanguage());
    });
}

TAddNewCycleForm* TCiclaraMainForm::AddNewCycleForm() const
{
    return m_addNewCycleForm.data();
}

TCycleViewForm* TCiclaraMainForm::CycleViewForm() const
{
    return m_cycleViewForm.data();
}

TPredictionForm* TCiclaraMainForm::PredictionForm() const
{
    return m_predictionForm.data();
}

void TCiclaraMainForm::UpdateCycleView()
{
    if (m_cycleViewForm)
        m_cycleViewForm->UpdateCycleView();
}

void TCiclaraMainForm::SBCycleViewClick()
{
    if (!m_cycleViewForm)
        return;
    // Every change of the cycle table now redraws the screen, until it is hidden.
    m_cycleViewForm->ConnectChangeNotification();
    ShowScreen(m_cycleViewForm, this);
    m_cycleViewForm->DBGrid1->setFocus(Qt::OtherFocusReason);
}

void TCiclaraMainForm::SBAddNewCycleClick()
{
    if (!m_addNewCycleForm || !m_cycleViewForm)
        return;
    SBCycleViewClick();
    if (!MainTable->isOpen()) {
        ShowMessageBox(tr("The cycle table of %1 is not open, so no cycle can be added.")
                           .arg(Globals::ActiveUser()),
                       Msg::Error, 0, 0, Msg::OkSet);
        return;
    }
    const int average = Cycles::AverageCycleLength(*MainTable);

    // 10 pixels inside the right edge, centred on the area between toolbar and status bar.
    TAddNewCycleForm* dialog = m_addNewCycleForm;
    const QRect frame = frameGeometry();
    const QSize dialogSize = dialog->frameGeometry().size();
    const int clientTop = m_client->mapToGlobal(QPoint(0, 0)).y();
    const int left = frame.left() + frame.width() - dialogSize.width() - 10;
    const int top = clientTop + ToolbarHeight() +
                    (m_client->height() - ToolbarHeight() - StatusBarHeight()) / 2 -
                    dialogSize.height() / 2;
    dialog->move(left, top);

    QDate start = QDate::currentDate();
    int period = Cycles::DefaultPeriodLength;
    int cycle = average;
    if (dialog->AddNewCycle(start, period, cycle) != Msg::mrOk)
        return;
    const Cycles::StoreResult stored =
        Cycles::StoreNewCycle(*MainTable, start, period, cycle, Msg::Warning);
    if (stored.stored())
        m_cycleViewForm->CiclaraView1->ShowCycle(stored.period, stored.cycleLength, stored.date);
}

void TCiclaraMainForm::SBPredictionClick()
{
    if (!m_predictionForm)
        return;
    m_predictionForm->PrepareOpening();
    ShowScreen(m_predictionForm, m_predictionForm);
    m_predictionForm->PredictBtn->setFocus(Qt::OtherFocusReason);
}
