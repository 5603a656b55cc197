// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraMainU.h"
#include "CiclaraTable.h"
#include "Globals.h"
#include "HotSincingU.h"
#include "LocalEndpoint.h"
#include "TestHome.h"
#include "UiHelpers.h"
#include "UserStore.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

QSettings ini()
{
    return QSettings(Globals::SettingsFilePath(), QSettings::IniFormat);
}

// The menu's entries: action object names, "-" for a separator.
QStringList menuLayout(const QMenu* menu)
{
    QStringList names;
    const auto actions = menu->actions();
    for (const QAction* a : actions)
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

// A screen as the screens of the program are: a named widget with its own help context.
QWidget* makeScreen(const QString& name, int helpContext)
{
    auto* screen = new QWidget;
    screen->setObjectName(name);
    screen->setProperty("helpContext", helpContext);
    screen->setAutoFillBackground(true);
    auto* edit = new QLineEdit(screen);
    edit->setObjectName(name + QStringLiteral("Edit"));
    return screen;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_messages;
    std::unique_ptr<TCiclaraMainForm> m_form;
    QList<QUrl> m_opened;

    TCiclaraMainForm* form()
    {
        if (!m_form) {
            m_form = std::make_unique<TCiclaraMainForm>();
            m_form->OpenUrl = [this](const QUrl& url) {
                m_opened << url;
                return true;
            };
        }
        return m_form.get();
    }

    // Shows the window and waits until the active user is chosen and her data is open.
    bool showAndWait()
    {
        form()->show();
        if (!QTest::qWaitForWindowExposed(form()))
            return false;
        return QTest::qWaitFor([this] { return form()->FirstShowDone(); }, 5000);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_messages = std::make_unique<MessageAnswerer>();
        m_opened.clear();
    }
    void cleanup()
    {
        m_form.reset();
        m_messages.reset();
        m_home.reset();
    }

    void windowIsBuiltAsDesigned()
    {
        TCiclaraMainForm* f = form();
        QCOMPARE(f->objectName(), QStringLiteral("CiclaraMainForm"));
        QCOMPARE(f->size(), QSize(755, 570));
        QCOMPARE(f->minimumSize(), QSize(755, 570));
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(f->CurrentScreenName, QStringLiteral("CiclaraMainForm"));
        QCOMPARE(f->HelpTarget.data(), static_cast<QWidget*>(f));
        QCOMPARE(Ui::MainWindow(), static_cast<QWidget*>(f));
        QCOMPARE(f->StatusBar1->objectName(), QStringLiteral("StatusBar1"));
        QCOMPARE(f->StatusBar1->currentMessage(), QStringLiteral("Info :"));
        QVERIFY(!f->StatusBar1->isSizeGripEnabled());
        QCOMPARE(f->ToolbarHeight(), 66);
        QCOMPARE(f->MainTable->tableDef().fileName, QStringLiteral("Cycle.dat"));
        // The endpoint listens from creation.
        QVERIFY(LocalEndpoint::exists(Endpoints::MainForm()));
    }

    void menusHoldTheCommandsInOrder()
    {
        TCiclaraMainForm* f = form();
        const auto menus =
            f->MainMenu1->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        QStringList titles;
        QList<int> contexts;
        const auto bar = f->MainMenu1->actions();
        for (const QAction* a : bar) {
            titles << a->text();
            contexts << a->menu()->property("helpContext").toInt();
        }
        QCOMPARE(titles, (QStringList{"&Main", "&Cycle", "&Temperature", "&Tools", "&Help"}));
        QCOMPARE(contexts, (QList<int>{2003, 2004, 2005, 2006, 2007}));
        QCOMPARE(menuLayout(bar[0]->menu()),
                 (QStringList{"ChangeUser", "AdministrateUsers1", "Exit1"}));
        QCOMPARE(menuLayout(bar[1]->menu()),
                 (QStringList{"CycleViewAction", "AddCycleAction", "CycleChartAction"}));
        QCOMPARE(menuLayout(bar[2]->menu()),
                 (QStringList{"TempViewAction", "AddTempAction", "TempChartAction"}));
        QCOMPARE(menuLayout(bar[3]->menu()),
                 (QStringList{"PredictionAction", "SchedulerAction", "Options",
                              "Calculateidealweightheight1", "-", "MenuExportToExcelMenu",
                              "ExportToWordMenu"}));
        QCOMPARE(menuLayout(bar[4]->menu()),
                 (QStringList{"CiclaraHelp1", "CiclaraHomepage1", "-", "About1"}));
    }

    void commandsCarryTheirTextsAndContexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("cycle view")
            << "CycleViewAction"
            << "Cycle view" << 3003 << "Displays Cycle View screen" << false;
        QTest::newRow("add cycle")
            << "AddCycleAction"
            << "Add cycle" << 3001 << "Displays Add new cycle window" << false;
        QTest::newRow("cycle chart")
            << "CycleChartAction"
            << "Cycle chart" << 3004 << "Displays Cycle Chart screen" << false;
        QTest::newRow("temperature view")
            << "TempViewAction"
            << "Temperature view" << 4003 << "Displays Temperature View screen" << false;
        QTest::newRow("add temperature")
            << "AddTempAction"
            << "Add temperature" << 4001 << "Displays Add Temperature window" << false;
        QTest::newRow("temperature chart")
            << "TempChartAction"
            << "Temperature chart" << 3004 << "Displays Temperature Chart screen" << false;
        QTest::newRow("prediction")
            << "PredictionAction"
            << "Prediction" << 5001 << "Displays Prediction screen" << false;
        QTest::newRow("schedule") << "SchedulerAction"
                                  << "&Schedule" << 5002 << "Displays Schedule edit screen"
                                  << false;
        QTest::newRow("options") << "Options"
                                 << "&Options" << 5004 << "Displays Options screen" << false;
        QTest::newRow("calculator") << "Calculateidealweightheight1"
                                    << "Calculate ideal weight/height" << 0 << "" << false;
        QTest::newRow("excel") << "MenuExportToExcelMenu"
                               << "Export to &Excel" << 5005 << "Exports data to Microsoft Excel"
                               << false;
        QTest::newRow("word") << "ExportToWordMenu"
                              << "Export to &Word" << 5005 << "Exports data to Microsoft Word"
                              << false;
        QTest::newRow("change user")
            << "ChangeUser"
            << "&Change active User" << 6004 << "Displays Change active User dialog" << false;
        QTest::newRow("users") << "AdministrateUsers1"
                               << "&Administrate Users" << 6002
                               << "Displays Administrate Users dialog - add, delete, edit user "
                                  "information and password."
                               << false;
        QTest::newRow("exit") << "Exit1"
                              << "E&xit" << 0 << "Exits Ciclara" << true;
        QTest::newRow("help") << "CiclaraHelp1"
                              << "Ciclara &Help" << 2007 << "Displays Help topics" << true;
        QTest::newRow("home page") << "CiclaraHomepage1"
                                   << "Ciclara H&ome page" << 0 << "Navigates to home page" << true;
        QTest::newRow("about") << "About1"
                               << "&About" << 0 << "Displays information about the program"
                               << false;
    }
    void commandsCarryTheirTextsAndContexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, helpContext);
        QFETCH(QString, status);
        QFETCH(bool, enabled);
        auto* action = form()->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->property("helpContext").toInt(), helpContext);
        QCOMPARE(action->statusTip(), status);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void toolbarHasTheEightButtons()
    {
        const QStringList names{"SBCycleView",  "SBAddNewCycle",       "SBCycleChart",
                                "SBTempView",   "SBAddNewTemperature", "SBTemperatureChart",
                                "SBPrediction", "SBSheduleEdit"};
        const QStringList captions{"Cycle View", "Add Cycle",  "Cycle Chart", "Temp View",
                                   "Add Temp",   "Temp Chart", "Prediction",  "Schedule"};
        const QStringList actions{"CycleViewAction",  "AddCycleAction", "CycleChartAction",
                                  "TempViewAction",   "AddTempAction",  "TempChartAction",
                                  "PredictionAction", "SchedulerAction"};
        TCiclaraMainForm* f = form();
        QCOMPARE(f->ToolBar1->objectName(), QStringLiteral("ToolBar1"));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        int lastX = -1;
        for (int i = 0; i < names.size(); ++i) {
            auto* button = f->ToolBar1->findChild<QToolButton*>(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->defaultAction()->objectName(), actions[i]);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QCOMPARE(button->size(), QSize(66, 58));
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->statusTip(), button->defaultAction()->statusTip());
            QVERIFY2(button->x() > lastX, "buttons stand in the order of the commands");
            lastX = button->x();
        }
    }

    void captionsAreDrawnInTheirBlue()
    {
        TCiclaraMainForm* f = form();
        f->CycleViewAction->setEnabled(true);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        auto* button = f->ToolBar1->findChild<QToolButton*>("SBCycleView");
        const QImage image = button->grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        int blue = 0;
        // The caption lies under the glyph, in the lower third of the button.
        for (int y = int(image.height() * 2 / 3); y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > 120 && c.red() < 60 && c.green() < 60)
                    ++blue;
            }
        }
        QVERIFY2(blue > int(10 * dpr), qPrintable(QString::number(blue)));
    }

    void scalingFollowsTheResolution_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<QSize>("button");
        QTest::addColumn<QSize>("window");
        QTest::newRow("96") << 96 << 66 << QSize(66, 58) << QSize(755, 570);
        // s = 0.25: 16.5 rounds to 16, 14.5 to 14, 142.5 to 142 (halves to even).
        QTest::newRow("120") << 120 << 82 << QSize(82, 72) << QSize(944, 712);
        QTest::newRow("144") << 144 << 99 << QSize(99, 87) << QSize(1133, 855);
    }
    void scalingFollowsTheResolution()
    {
        QFETCH(int, dpi);
        QFETCH(int, toolbar);
        QFETCH(QSize, button);
        QFETCH(QSize, window);
        TCiclaraMainForm* f = form();
        f->ScaleToResolution(dpi);
        QCOMPARE(f->ToolbarHeight(), toolbar);
        const auto buttons = f->ToolBar1->findChildren<QToolButton*>(QRegularExpression("^SB"));
        QCOMPARE(buttons.size(), 8);
        for (const QToolButton* b : buttons)
            QCOMPARE(b->size(), button);
        QCOMPARE(f->size(), window);
    }

    void resizingKeepsTheScreenBetweenToolbarAndStatusBar_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize(755, 570);
        QTest::newRow("wide") << QSize(1000, 600);
        QTest::newRow("tall") << QSize(800, 900);
    }
    void resizingKeepsTheScreenBetweenToolbarAndStatusBar()
    {
        QFETCH(QSize, size);
        TCiclaraMainForm* f = form();
        QWidget* screen = makeScreen("CycleViewForm", 3003);
        f->EmbedScreen(screen);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->ShowScreen(screen, f);
        f->resize(size);
        QTRY_COMPARE(f->size(), size);
        QWidget* client = f->ClientArea();
        QTRY_COMPARE(screen->geometry(),
                     QRect(0, f->ToolbarHeight(), client->width(),
                           client->height() - f->StatusBarHeight() - f->ToolbarHeight()));
        QCOMPARE(screen->parentWidget(), client);
        QCOMPARE(screen->width(), f->width());
        QCOMPARE(f->ToolBar1->geometry().bottom() + 1, screen->geometry().top());
        QCOMPARE(screen->geometry().bottom() + 1, f->StatusBar1->geometry().top());
        QCOMPARE(f->StatusBar1->geometry().bottom(), client->height() - 1);
    }

    void showScreenBringsItToTheFront()
    {
        TCiclaraMainForm* f = form();
        QWidget* cycles = makeScreen("CycleViewForm", 3003);
        QWidget* temperatures = makeScreen("TemperatureForm", 4003);
        f->EmbedScreen(cycles);
        f->EmbedScreen(temperatures);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QPoint middle = f->ScreenRect().center();
        f->ShowScreen(temperatures, temperatures);
        f->ShowScreen(cycles, f);
        QCOMPARE(f->CurrentScreenName, QStringLiteral("CycleViewForm"));
        QCOMPARE(f->HelpTarget.data(), static_cast<QWidget*>(f));
        QWidget* hit = f->ClientArea()->childAt(middle);
        QVERIFY(hit == cycles || cycles->isAncestorOf(hit));
        f->ShowScreen(temperatures, temperatures);
        QCOMPARE(f->CurrentScreenName, QStringLiteral("TemperatureForm"));
        QCOMPARE(f->HelpTarget.data(), temperatures);
        hit = f->ClientArea()->childAt(middle);
        QVERIFY(hit == temperatures || temperatures->isAncestorOf(hit));
        // Switching never destroys a screen.
        QCOMPARE(f->Screens(), (QList<QWidget*>{cycles, temperatures}));
    }

    void closingWritesTheFormBounds()
    {
        TCiclaraMainForm* f = form();
        bool stored = false;
        f->StoreUnsavedScheduleDay = [&] { stored = true; };
        QSignalSpy closed(f, &TCiclaraMainForm::closed);
        QVERIFY(showAndWait());
        f->move(40, 30);
        f->resize(800, 600);
        QTRY_COMPARE(f->size(), QSize(800, 600));
        const QRect bounds = f->frameGeometry();
        QVERIFY(f->close());
        QVERIFY(stored);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(ini().value("FormBounds/Left").toString(), QString::number(bounds.x()));
        QCOMPARE(ini().value("FormBounds/Top").toString(), QString::number(bounds.y()));
        QCOMPARE(ini().value("FormBounds/Width").toString(), QString::number(bounds.width()));
        QCOMPARE(ini().value("FormBounds/Height").toString(), QString::number(bounds.height()));
    }

    void statusBarShowsTheLongPartOfAHint()
    {
        TCiclaraMainForm* f = form();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        auto* button = f->ToolBar1->findChild<QToolButton*>("SBTempView");
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(f->StatusBar1->currentMessage(),
                 QStringLiteral("Displays Temperature View screen"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(f->StatusBar1->currentMessage(), QString());

        // A menu item's hint reaches the status bar through the menu bar.
        f->ExitAction->showStatusText(f->MainMenu1);
        QCOMPARE(f->StatusBar1->currentMessage(), QStringLiteral("Exits Ciclara"));
        // An item without a hint empties it.
        f->CalculatorAction->showStatusText(f->MainMenu1);
        QCOMPARE(f->StatusBar1->currentMessage(), QString());
    }

    void firstShowingMakesNonameActiveAndOpensHerData()
    {
        TCiclaraMainForm* f = form();
        int applied = 0;
        f->RegisterCalendarApplier([&] { ++applied; });
        QVERIFY(showAndWait());
        QCOMPARE(applied, 1);
        QCOMPARE(f->windowTitle(), QStringLiteral("Ciclara - Noname"));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Noname"));
        QCOMPARE(f->CurrentScreenName, QStringLiteral("CiclaraMainForm"));
        QVERIFY(f->MainTable->isOpen());
        QCOMPARE(f->MainTable->fileName(), UserStore::UserFile("Noname", "Cycle.dat"));
        QVERIFY(m_messages->shown().isEmpty());
        // A second showing does not choose again.
        f->hide();
        f->show();
        QCOMPARE(applied, 1);
    }

    void cancelledPasswordDoesNotOpenHerData()
    {
        QDir().mkpath(Globals::ProgramDir() + "Anna");
        Globals::SetCurrentUserDir(Globals::ProgramDir() + "Anna/");
        QVERIFY(UserStore::CreateMissingTables());
        Globals::WriteSetting("Users", "ActiveUser", "Anna"); // empty System.dat: not saved
        TCiclaraMainForm* f = form();
        QStringList asked;
        f->AskPassword = [&](const QString& user) {
            asked << user;
            return false;
        };
        QVERIFY(showAndWait());
        QCOMPARE(asked, QStringList{"Anna"});
        QVERIFY(!f->MainTable->isOpen());
    }

    void openActiveUserReopensOnTheNewUser()
    {
        TCiclaraMainForm* f = form();
        QVERIFY(showAndWait());
        QVERIFY(UserStore::CreateDefaultUser("Maria"));
        Globals::SetActiveUser("Maria");
        f->OpenActiveUser();
        QVERIFY(f->MainTable->isOpen());
        QCOMPARE(f->MainTable->fileName(), UserStore::UserFile("Maria", "Cycle.dat"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Ciclara - Maria"));
        QCOMPARE(Globals::CurrentUserDir(), Globals::ProgramDir() + "Maria/");
    }

    void userWithoutCyclesFallsBackToNoname()
    {
        TCiclaraMainForm* f = form();
        Globals::SetActiveUser("Ghost");
        f->OpenActiveUser();
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Noname"));
        QVERIFY(f->MainTable->isOpen());
        QCOMPARE(f->MainTable->fileName(), UserStore::UserFile("Noname", "Cycle.dat"));
        QVERIFY(!QFileInfo::exists(Globals::ProgramDir() + "Ghost"));
    }

    void damagedCycleTableIsReportedAndLeftAlone()
    {
        QVERIFY(UserStore::CreateDefaultUser("Anna"));
        const QString path = UserStore::UserFile("Anna", "Cycle.dat");
        const QByteArray junk(4096, 'x');
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(junk);
        }
        Globals::SetActiveUser("Anna");
        form()->OpenActiveUser();
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Error));
        QVERIFY(m_messages->lastText().contains(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), junk);
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Anna"));
    }

    void messagesShowAndCloseTheResourcesForm()
    {
        TCiclaraMainForm* f = form();
        auto* resources = new THotSincingForm(f);
        f->SetResourcesForm(resources);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->HandleMessage(TCiclaraMainForm::ShowResourcesMessage), 0);
        QTRY_VERIFY(resources->isVisible());
        QVERIFY(resources->isModal());
        // Asked again while it is open: answered at once, nothing more opens.
        QCOMPARE(f->HandleMessage(TCiclaraMainForm::ShowResourcesMessage), 0);
        QCOMPARE(f->HandleMessage(TCiclaraMainForm::CloseResourcesMessage), 0);
        QTRY_VERIFY(!resources->isVisible());
        QVERIFY(f->isVisible());
    }

    void endpointMessagesRaiseAndClose()
    {
        TCiclaraMainForm* f = form();
        QSignalSpy closed(f, &TCiclaraMainForm::closed);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->showMinimized();
        QTRY_VERIFY(f->isMinimized());
        QCOMPARE(f->HandleMessage(Endpoints::BringToFront), 0);
        QTRY_VERIFY(!f->isMinimized());
        QCOMPARE(f->HandleMessage(Endpoints::CloseRequest), 0);
        QTRY_COMPARE(closed.count(), 1);
        QVERIFY(!f->isVisible());
    }

    void exitClosesTheWindow()
    {
        TCiclaraMainForm* f = form();
        QSignalSpy closed(f, &TCiclaraMainForm::closed);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->ExitAction->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!f->isVisible());
    }

    void helpOpensThePageOfTheContext_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("targetIsScreen");
        QTest::addColumn<bool>("current");
        QTest::addColumn<int>("fieldContext");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        // The temperature screen is its own help target.
        QTest::newRow("screen as target")
            << "TemperatureForm" << true << true << 0 << 1033 << "/help/en/4003.html";
        // The cycle view sends F1 to the main window's page.
        QTest::newRow("main window as target")
            << "CycleViewForm" << false << true << 0 << 1033 << "/help/en/1001.html";
        QTest::newRow("not the current screen")
            << "CycleViewForm" << false << false << 0 << 1033 << "/help/en/3003.html";
        QTest::newRow("field with its own context")
            << "CycleViewForm" << false << true << 3001 << 1033 << "/help/en/3001.html";
        QTest::newRow("Bulgarian")
            << "TemperatureForm" << true << true << 0 << 2 << "/help/bg/4003.html";
    }
    void helpOpensThePageOfTheContext()
    {
        QFETCH(QString, screen);
        QFETCH(bool, targetIsScreen);
        QFETCH(bool, current);
        QFETCH(int, fieldContext);
        QFETCH(int, language);
        QFETCH(QString, page);
        Globals::SetLanguageId(language);
        TCiclaraMainForm* f = form();
        QWidget* s = makeScreen(screen, screen == "TemperatureForm" ? 4003 : 3003);
        f->EmbedScreen(s);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->ShowScreen(s, targetIsScreen ? s : static_cast<QWidget*>(f));
        if (!current)
            f->CurrentScreenName = QStringLiteral("SheduleEditForm");
        auto* edit = s->findChild<QLineEdit*>();
        if (fieldContext)
            edit->setProperty("helpContext", fieldContext);
        f->activateWindow();
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m_opened.first().isLocalFile());
        QVERIFY2(m_opened.first().toLocalFile().endsWith(page),
                 qPrintable(m_opened.first().toLocalFile()));
    }

    void helpCommandOpensTheContents()
    {
        form()->HelpAction->trigger();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m_opened.first().toLocalFile().endsWith("/help/en/1001.html"));
    }

    void homePageFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("opened");
        QTest::newRow("English") << 1033 << true;
        QTest::newRow("Bulgarian") << 2 << true;
        QTest::newRow("other") << 1031 << false;
    }
    void homePageFollowsTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(bool, opened);
        Globals::SetLanguageId(language);
        form()->HomePageAction->trigger();
        QCOMPARE(m_opened.size(), opened ? 1 : 0);
        if (opened) {
            QCOMPARE(m_opened.first(), QUrl(TCiclaraMainForm::HomePageAddress(language)));
            QCOMPARE(m_opened.first().scheme(), QStringLiteral("https"));
        }
        QVERIFY(TCiclaraMainForm::HomePageAddress(2) != TCiclaraMainForm::HomePageAddress(1033));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
