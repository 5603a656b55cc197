// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotSincingU.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <functional>

class CiclaraTable;
class LocalEndpoint;
class QAction;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class TAddNewCycleForm;
class TChangeUserForm;
class TCycleViewForm;
class TNewUserForm;
class TPredictionForm;
class TUsersForm;

// The frame of the user interface: menu bar, a toolbar of eight large buttons, a status
// bar, and between toolbar and status bar the screens, borderless widgets embedded here
// and brought to the front by the commands. It owns the active user's cycle table.
class TCiclaraMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // Private messages of the main window's endpoint.
    static constexpr quint32 ShowResourcesMessage = 2031;
    static constexpr quint32 CloseResourcesMessage = 2032;

    static constexpr int DesignWidth = 755;
    static constexpr int DesignHeight = 570;
    static constexpr int DesignToolbarHeight = 66;
    static constexpr int DesignButtonWidth = 66;
    static constexpr int DesignButtonHeight = 58;

    explicit TCiclaraMainForm(QWidget* parent = nullptr);
    ~TCiclaraMainForm() override;

    // The active user's Cycle.dat; the cycle screens share it.
    CiclaraTable* MainTable = nullptr;
    // The form name of the screen a command showed last; "CiclaraMainForm" at start.
    QString CurrentScreenName;
    // The form whose help context answers F1 on the current screen.
    QPointer<QWidget> HelpTarget;

    // Asked at start for a user whose password is not saved; false (Cancel) ends the
    // program. Lets her in until the change-user dialog takes this over.
    std::function<bool(const QString& user)> AskPassword;
    // Run first when the window closes: stores the schedule's unsaved day.
    std::function<void()> StoreUnsavedScheduleDay;
    // Opens a help page or web address; the desktop's handler unless replaced.
    std::function<bool(const QUrl&)> OpenUrl;

    QMenuBar* MainMenu1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    QAction* CycleViewAction = nullptr;
    QAction* AddCycleAction = nullptr;
    QAction* CycleChartAction = nullptr;
    QAction* TempViewAction = nullptr;
    QAction* AddTempAction = nullptr;
    QAction* TempChartAction = nullptr;
    QAction* PredictionAction = nullptr;
    QAction* SchedulerAction = nullptr;
    QAction* OptionsAction = nullptr;
    QAction* CalculatorAction = nullptr;
    QAction* ExportToExcelAction = nullptr;
    QAction* ExportToWordAction = nullptr;
    QAction* ChangeUserAction = nullptr;
    QAction* AdministrateUsersAction = nullptr;
    QAction* ExitAction = nullptr;
    QAction* HelpAction = nullptr;
    QAction* HomePageAction = nullptr;
    QAction* AboutAction = nullptr;

    // Screens: embedding makes the main window their parent; showing one records its name
    // and help target and puts it in front of the other screens.
    void EmbedScreen(QWidget* screen);
    void ShowScreen(QWidget* screen, QWidget* helpTarget);
    QList<QWidget*> Screens() const;
    // The area between toolbar and status bar, in the coordinates of ClientArea().
    QRect ScreenRect() const;
    QWidget* ClientArea() const { return m_client; }

    int ToolbarHeight() const;
    int StatusBarHeight() const;

    // (Re)opens the active user's data and shows the cycle view.
    void OpenActiveUser();

    // Every screen with date controls registers how it takes the calendar settings.
    void RegisterCalendarApplier(std::function<void()> applier);
    void ApplyCalendarSettingsToScreens();

    // Grows the toolbar, its buttons and the window for a logical resolution other than
    // 96 dots per inch.
    void ScaleToResolution(int dotsPerInch);

    // The user dialogs made at start. Setting them enables the two user commands, lets
    // the start-up password question use the change-user dialog, and makes a rename of
    // the active user close and reopen her tables around the folder move.
    void SetUserDialogs(TNewUserForm* newUser, TChangeUserForm* changeUser, TUsersForm* users);
    TNewUserForm* NewUserForm() const;
    TChangeUserForm* ChangeUserForm() const;
    TUsersForm* UsersForm() const;

    // The cycle screens made at start. Setting them enables the cycle view, add-cycle and
    // prediction commands and registers their date controls for the calendar settings.
    void SetCycleScreens(TAddNewCycleForm* addCycle, TCycleViewForm* cycleView,
                         TPredictionForm* prediction);
    TAddNewCycleForm* AddNewCycleForm() const;
    TCycleViewForm* CycleViewForm() const;
    TPredictionForm* PredictionForm() const;
    // Brings the cycle view screen in line with MainTable; it follows the table's change
    // notification while the cycle view command has it connected.
    void UpdateCycleView();

    // Screens holding tables of their own on the active user's files register how they
    // close and reopen them; a change or rename of the active user runs them.
    void RegisterUserTables(std::function<void()> close, std::function<void()> reopen);
    void CloseActiveUserTables();
    void ReopenActiveUserTables();

    // The hidden resources form that messages 2031 and 2032 show and close.
    void SetResourcesForm(THotSincingForm* form);
    THotSincingForm* ResourcesForm() const { return m_resourcesForm; }

    // Answers one message of the main window's endpoint.
    qint32 HandleMessage(quint32 message);

    // Help requests pass here. Returns whether the request reached the help system.
    bool AppHelp(int context);
    // The help context F1 asks for with this widget focused: the nearest non-zero context
    // of the widget or its parents.
    static int HelpContextFor(QWidget* widget);
    // The maker's home page in that language, or an empty address.
    static QString HomePageAddress(int languageId);

    // The choice of the active user at the first showing has run.
    bool FirstShowDone() const { return m_firstShowDone; }

public slots:
    virtual void SBCycleViewClick();
    virtual void SBAddNewCycleClick();
    virtual void SBCycleChartClick();
    virtual void SBTempViewClick();
    virtual void SBAddNewTemperatureClick();
    virtual void SBTemperatureChartClick();
    virtual void SBPredictionClick();
    virtual void SBSheduleEditClick();
    virtual void OptionsClick();
    virtual void Calculateidealweightheight1Click();
    virtual void MenuExportToExcelMenuClick();
    virtual void ExportToWordMenuClick();
    virtual void ChangeUserClick();
    virtual void AdministrateUsers1Click();
    void Exit1Click();
    void CiclaraHelp1Click();
    void CiclaraHomepage1Click();
    virtual void About1Click();

signals:
    // The window has closed; the program's message loop ends on it.
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createCommands();
    void createToolBar();
    void FormResize();
    void FormShowChooseUser();
    void openMainTable();
    void startListening();
    void showHelpPage(int context);

    QWidget* m_client = nullptr;
    QList<QPointer<QWidget>> m_screens;
    QList<std::function<void()>> m_calendarAppliers;
    QPointer<THotSincingForm> m_resourcesForm;
    QPointer<TNewUserForm> m_newUserForm;
    QPointer<TChangeUserForm> m_changeUserForm;
    QPointer<TUsersForm> m_usersForm;
    QPointer<TAddNewCycleForm> m_addNewCycleForm;
    QPointer<TCycleViewForm> m_cycleViewForm;
    QPointer<TPredictionForm> m_predictionForm;
    QList<std::function<void()>> m_tableClosers;
    QList<std::function<void()>> m_tableReopeners;
    LocalEndpoint* m_endpoint = nullptr;
    QTimer* m_listenRetry = nullptr;
    bool m_helpReentry = false;
    bool m_shownOnce = false;
    bool m_firstShowDone = false;
};
