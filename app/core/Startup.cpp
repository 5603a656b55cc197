// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "ChangeUserU.h"
#include "NewUserU.h"
#include "UsersU.h"

#include "AddNewCycleU.h"
#include "CyclesViewU.h"
#include "PredictionU.h"

#include "CiclaraLinkU.h"
#include "CiclaraMainU.h"
#include "CiclaraMessageU.h"
#include "CiclaraTable.h"
#include "Dockset.h"
#include "FileOps.h"
#include "FirstRun.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "HotSincingU.h"
#include "LanguageChoiceU.h"
#include "LocalEndpoint.h"
#include "LogoU.h"
#include "MessageBox.h"
#include "UserStore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace Startup {

namespace {

const QString None = QStringLiteral("None");
const QString DefaultUser = QStringLiteral("Noname");

// Longest wait for a running main window to close before link mode goes on.
constexpr int MainWindowCloseWaitMs = 10000;

QTranslator*& languageModule()
{
    static QTranslator* module = nullptr;
    return module;
}

void releaseLanguageModule()
{
    if (QTranslator* module = languageModule()) {
        QCoreApplication::removeTranslator(module);
        delete module;
        languageModule() = nullptr;
    }
}

// The record a default user's System.dat starts with.
bool insertDefaultSystemRecord(CiclaraTable& table)
{
    table.insert();
    table.setValue(QStringLiteral("Version"),
                   UserStore::GetProductVersion() + QStringLiteral(".1.1.0"));
    table.setValue(QStringLiteral("Password"), QString());
    table.setValue(QStringLiteral("SavedPassword"), true);
    table.setValue(QStringLiteral("FullRights"), true);
    table.setValue(QStringLiteral("TemperatureType"), 0);
    if (!table.post()) {
        table.cancel();
        return false;
    }
    return true;
}

// The settings a user's System.dat holds for the start: her temperature scale and whether
// her password is saved. Nothing when the table does not exist.
struct SystemRecord
{
    bool exists = false;
    int temperatureType = 0;
    bool savedPassword = false;
};

SystemRecord readSystemRecord(const QString& user)
{
    SystemRecord r;
    CiclaraTable system(Schema::System());
    system.setFileName(UserStore::UserFile(user, Schema::System().fileName));
    r.exists = system.exists();
    if (r.exists && system.open()) {
        system.first();
        r.temperatureType = system.intValue(QStringLiteral("TemperatureType"));
        r.savedPassword = system.boolValue(QStringLiteral("SavedPassword"));
    }
    system.close();
    return r;
}

bool waitUntilGone(const QString& endpoint, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (LocalEndpoint::exists(endpoint)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

bool askLanguageWithDialog()
{
    return TLanguageChoiceForm::AskLanguage() == 2;
}

int runLinkMode(QApplication& app)
{
    // The link window works on the user's tables: a running main window must be gone
    // first. If it does not close in time, two processes would share the files, so the
    // link is not offered at all.
    if (LocalEndpoint::exists(Endpoints::MainForm())) {
        LocalEndpoint::send(Endpoints::MainForm(), Endpoints::BringToFront);
        LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest);
        if (!waitUntilGone(Endpoints::MainForm(), MainWindowCloseWaitMs))
            return 0;
    }

    // The link window uses the user dialog's table routines.
    TNewUserForm newUser;

    TCiclaraLinkForm link;
    if (!link.isListening())
        return 0; // another link window holds the endpoint
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&link, &TCiclaraLinkForm::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}

} // namespace

QString FirstParameter(const QStringList& arguments)
{
    return arguments.size() > 1 ? arguments.at(1) : QString();
}

Mode ParseMode(const QString& firstParameter)
{
    if (firstParameter.compare(QLatin1String("/CREATEICON"), Qt::CaseInsensitive) == 0)
        return Mode::CreateIcon;
    if (firstParameter.compare(QLatin1String("\\SYNC"), Qt::CaseInsensitive) == 0)
        return Mode::Sync;
    return Mode::Normal;
}

InstanceAction DecideInstance(bool mainWindowRunning, bool linkWindowRunning,
                              const QString& langChanged)
{
    if (mainWindowRunning && langChanged != QLatin1String("yes"))
        return InstanceAction::BringRunningToFront;
    if (linkWindowRunning)
        return InstanceAction::EndSilently;
    return InstanceAction::Proceed;
}

InstanceAction CheckSingleInstance(const QString& langChanged)
{
    const bool mainRunning = LocalEndpoint::exists(Endpoints::MainForm());
    // The link window is looked for only when its answer can matter.
    const bool linkRunning = (!mainRunning || langChanged == QLatin1String("yes")) &&
                             LocalEndpoint::exists(Endpoints::LinkForm());
    const InstanceAction action = DecideInstance(mainRunning, linkRunning, langChanged);
    if (action == InstanceAction::BringRunningToFront)
        LocalEndpoint::send(Endpoints::MainForm(), Endpoints::BringToFront);
    return action;
}

void ResetLangChanged(const QString& langChanged)
{
    if (langChanged == QLatin1String("yes"))
        Globals::WriteSetting(QStringLiteral("Program"), QStringLiteral("LangChanged"),
                              QStringLiteral("no"));
}

std::unique_ptr<QLockFile> ClaimInstance(const QString& langChanged)
{
    auto lock = std::make_unique<QLockFile>(LocalEndpoint::runtimeFolder() +
                                            QStringLiteral("/instance.lock"));
    // Only a dead owner makes the lock stale, however long a program has been running.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    // A restart after a change of language runs beside the closing window, which still
    // holds the claim; the window test already let exactly this start through.
    if (langChanged == QLatin1String("yes"))
        return lock;
    if (LocalEndpoint::exists(Endpoints::MainForm()))
        LocalEndpoint::send(Endpoints::MainForm(), Endpoints::BringToFront);
    return nullptr;
}

bool RecoverBackup(const QString& userName)
{
    if (!UserStore::IsValidUserName(userName) || !FileOps::BackupFolderExists(userName))
        return false;
    const QString backup = FileOps::BackupFolder(userName);
    const QString folder = UserStore::UserFolder(userName);
    // The rollback journals of the interrupted synchronisation belong to the files being
    // replaced; left behind, SQLite would play them back into the restored copies.
    for (const TableDef* def : Schema::All()) {
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            const QString stale = folder + QLatin1Char('/') + def->fileName + QLatin1String(suffix);
            if (QFileInfo::exists(stale) && !QFile::remove(stale))
                return false; // keep the backup; the next start tries again
        }
    }
    if (!FileOps::CopyFilesQuietly(backup + QStringLiteral("/*"), folder))
        return false; // keep the only complete copy for the next start
    // Renamed first, in one step, so that a delete cut short never leaves an old backup
    // to be copied over newer data at a later start.
    const QString retired = folder + QStringLiteral("/Backup.restored-") +
                            QString::number(QCoreApplication::applicationPid());
    if (!QDir().rename(backup, retired))
        return FileOps::DeleteTreeQuietly(backup);
    FileOps::DeleteTreeQuietly(retired);
    return true;
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString BulgarianModulePath()
{
    return ProgramFolder() + QStringLiteral("/Ciclara.bgr");
}

bool BulgarianModuleExists()
{
    return QFileInfo(BulgarianModulePath()).isFile();
}

LanguageDecision DecideLanguage(const QString& storedLanguage, bool bulgarianModuleExists,
                                const std::function<bool()>& askBulgarian)
{
    LanguageDecision d;
    bool ok = false;
    const int stored = storedLanguage.trimmed().toInt(&ok);
    if (ok) {
        // A stored choice that is not a number counts as no choice and is asked again.
        d.languageId = stored;
        return d;
    }
    if (bulgarianModuleExists) {
        d.asked = true;
        d.store = true;
        if (askBulgarian && askBulgarian()) {
            d.languageId = 2;
            d.nativeLanguage = true;
        } else {
            d.languageId = 1033;
        }
        return d;
    }
    d.languageId = 1033;
    return d;
}

void ChooseLanguage(const std::function<bool()>& askBulgarian)
{
    const QString stored =
        Globals::ReadSetting(QStringLiteral("Program"), QStringLiteral("Language"));
    // The question itself is asked in Bulgarian.
    auto ask = [&askBulgarian] {
        LoadLanguageModule(2);
        return askBulgarian ? askBulgarian() : false;
    };
    const LanguageDecision d = DecideLanguage(stored, BulgarianModuleExists(), ask);
    Globals::SetLanguageId(d.languageId);
    if (d.nativeLanguage)
        Globals::SetNativeLanguage(true);
    if (d.store)
        Globals::WriteSetting(QStringLiteral("Program"), QStringLiteral("Language"),
                              QString::number(d.languageId));
    Globals::SetHelpFile(d.languageId == 2 ? QStringLiteral("Ciclara_bul.hlp")
                                           : QStringLiteral("Ciclara.hlp"));
    LoadLanguageModule(d.languageId);
}

bool LoadLanguageModule(int languageId)
{
    releaseLanguageModule();
    if (languageId != 2)
        return false;
    auto module = std::make_unique<QTranslator>();
    if (!module->load(BulgarianModulePath()))
        return false;
    QCoreApplication::installTranslator(module.get());
    languageModule() = module.release();
    return true;
}

QString HelpPagePath(int languageId, int context)
{
    const QString language = languageId == 2 ? QStringLiteral("bg") : QStringLiteral("en");
    return ProgramFolder() + QStringLiteral("/help/") + language + QLatin1Char('/') +
           QString::number(context) + QStringLiteral(".html");
}

bool EnsureUser(const QString& name)
{
    const QString folder = UserStore::UserFolder(name);
    if (folder.isEmpty())
        return false;
    if (!QFileInfo::exists(folder))
        return UserStore::CreateDefaultUser(name);
    // The folder is there but tables vanished: keep what is left, add what is missing.
    Globals::SetCurrentUserDir(folder + QLatin1Char('/'));
    CiclaraTable table;
    if (!UserStore::CreateMissingTables(&table))
        return false;
    if (!table.open())
        return false;
    bool ok = true;
    if (table.isEmpty()) {
        ok = insertDefaultSystemRecord(table);
        Globals::SetTemperatureScale(0);
    }
    table.close();
    return ok;
}

UserChoice ChooseActiveUser(const std::function<bool(const QString& user)>& askPassword)
{
    QString user = Globals::ReadActiveUser();
    // A stored name that cannot be a user folder (damaged settings) is treated as no user:
    // it must never lead outside the data root.
    if (user != None && !UserStore::IsValidUserName(user))
        user = None;

    if (user == None) {
        user = DefaultUser;
        EnsureUser(user);
        Globals::SetTemperatureScale(readSystemRecord(user).temperatureType);
        Globals::SetActiveUser(user);
    } else if (const SystemRecord r = readSystemRecord(user); r.exists) {
        Globals::SetTemperatureScale(r.temperatureType);
        Globals::SetActiveUser(user);
        if (!r.savedPassword && askPassword && !askPassword(user))
            return UserChoice::Terminate;
    } else {
        ShowMessageBox(Res::Text("NoActiveUser", {user}), Msg::Error, 0, 0, Msg::OkSet);
        EnsureUser(user);
        Globals::SetActiveUser(user);
    }

    // The password dialog may have switched to another user.
    const QString active = Globals::ActiveUser().isEmpty() ? user : Globals::ActiveUser();
    Globals::SetCurrentUserDir(Globals::ProgramDir() + active + QLatin1Char('/'));
    UserStore::CreateMissingTables();
    return UserChoice::Proceed;
}

void PrepareEnvironment(int argc, char** argv)
{
    if (argc < 2 || ParseMode(QString::fromLocal8Bit(argv[1])) != Mode::Sync)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int Run(QApplication& app)
{
    Globals::SetRestartRequested(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrana"));
    QCoreApplication::setApplicationName(QStringLiteral("Ciclara"));
    Globals::SetHelpFile(QStringLiteral("Ciclara.hlp"));
    Globals::EnsureDataRoot();
    RegisterProgramFonts();

    const Mode mode = ParseMode(FirstParameter(QCoreApplication::arguments()));
    if (mode == Mode::CreateIcon)
        FirstRun::Install(FirstRun::DefaultLocations(), BulgarianModuleExists());
    if (mode == Mode::Sync)
        return runLinkMode(app);

    const QString langChanged =
        Globals::ReadSetting(QStringLiteral("Program"), QStringLiteral("LangChanged"));
    if (CheckSingleInstance(langChanged) != InstanceAction::Proceed)
        return 0;
    const std::unique_ptr<QLockFile> instance = ClaimInstance(langChanged);
    if (!instance)
        return 0;
    ResetLangChanged(langChanged);

    Globals::SyncCalendarSettings(Globals::SyncDirection::Load);
    RecoverBackup(Globals::ReadActiveUser());
    ChooseLanguage(askLanguageWithDialog);

    if (mode == Mode::CreateIcon && DisplayUsesPalette())
        TLanguageChoiceForm::ShowColourDepthWarning();

    auto logo = std::make_unique<TLogoForm>();
    logo->show();
    logo->repaint();
    QCoreApplication::processEvents();

    // The long-lived windows, in their fixed order. Each later form is created at its
    // marked place below.
    auto main = std::make_unique<TCiclaraMainForm>();
    // -- the export dialog TExportDialogForm is created here.
    // -- the options dialog TOptionsForm is created here.
    auto* resources = new THotSincingForm(main.get());
    main->SetResourcesForm(resources);

    ConduitInstall();

    auto* newUser = new TNewUserForm(main.get());
    auto* changeUser = new TChangeUserForm(main.get());
    auto* users = new TUsersForm(newUser, main.get());
    main->SetUserDialogs(newUser, changeUser, users);

    logo->SetStatus(Res::Text("LogoLoading"));
    auto* addCycle = new TAddNewCycleForm(main.get());
    // -- the schedule screen TSheduleEditForm is created and embedded here.
    InstallMessageBoxHandler(main.get());
    // -- TAddNewTempForm is created here.
    logo->SetStatus(Res::Text("LogoRunning"));
    auto* prediction = new TPredictionForm(main->MainTable, main.get());
    main->EmbedScreen(prediction);
    // -- the screens TTemperatureForm and TCyclesChartForm are created and embedded here.
    auto* cycleView = new TCycleViewForm(main->MainTable, main.get());
    main->EmbedScreen(cycleView);
    // -- the screen TWeightHeightForm is created and embedded here.
    main->SetCycleScreens(addCycle, cycleView, prediction);
    logo.reset();

    app.setQuitOnLastWindowClosed(false);
    QObject::connect(main.get(), &TCiclaraMainForm::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    main->show();
    const int result = app.exec();
    main.reset();

    if (Globals::RestartRequested())
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, ProgramFolder());
    return result;
}

} // namespace Startup
