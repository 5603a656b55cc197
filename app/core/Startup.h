// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QApplication;

// The start sequence of the program and the decisions it takes on the way, each as a
// function of its inputs so it can be checked without starting the program.
namespace Startup {

// How the program was started, by its first parameter (compared without regard to case).
enum class Mode
{
    Normal,
    CreateIcon, // first start after installation: a normal start that installs first
    Sync        // link mode: only the hidden link window runs
};

// The first parameter of a full argument list (element 0 is the program itself).
QString FirstParameter(const QStringList& arguments);
Mode ParseMode(const QString& firstParameter);

// What a normal start does about windows already running.
enum class InstanceAction
{
    Proceed,
    BringRunningToFront, // another main window runs: raise it and end at once
    EndSilently          // a synchronisation runs: end at once, saying nothing
};

// A running main window wins unless a language change restarted the program ("yes");
// otherwise a running link window ends the start.
InstanceAction DecideInstance(bool mainWindowRunning, bool linkWindowRunning,
                              const QString& langChanged);
// Looks for the running windows and acts on the decision: a running main window is asked
// to come to the front.
InstanceAction CheckSingleInstance(const QString& langChanged);
// Claims the one normal instance for this process: a lock file in the runtime folder, held
// until the returned object is destroyed. Two starts at the same moment both pass the
// window test, but only one gets the lock; the other asks the running window to come to
// the front and gets null. A start let through by a language change runs beside the
// closing instance even while that one still holds the lock.
std::unique_ptr<QLockFile> ClaimInstance(const QString& langChanged);
// A pending "yes" is consumed by the start it let through.
void ResetLangChanged(const QString& langChanged);

// An unfinished synchronisation left the user's files in her "Backup" folder: copy them
// back over her folder and delete the backup. Only for a name that is a user folder; the
// backup is kept when a file could not be copied back, so the next start tries again.
// Returns whether a backup was restored.
bool RecoverBackup(const QString& userName);

// The folder of the program file, where the language module, help and manuals lie.
QString ProgramFolder();
QString BulgarianModulePath();
bool BulgarianModuleExists();

struct LanguageDecision
{
    int languageId = 1033;
    bool asked = false;          // the language question was shown
    bool store = false;          // write the choice to Program/Language
    bool nativeLanguage = false; // switch the native week-day and month names on
};

// The user-interface language: a stored choice wins; without one, the question is asked
// only when the Bulgarian module is installed (askBulgarian answers true for Bulgarian).
LanguageDecision DecideLanguage(const QString& storedLanguage, bool bulgarianModuleExists,
                                const std::function<bool()>& askBulgarian);
// Reads the stored choice, asks when needed (in Bulgarian), records the outcome in the
// process state and the settings, chooses the help file and loads the language module.
void ChooseLanguage(const std::function<bool()>& askBulgarian);

// Makes the translation of that language the source of the texts created from now on:
// Ciclara.bgr beside the program for Bulgarian (2); any other language uses the built-in
// English and releases a module loaded before. Returns whether a module is loaded.
bool LoadLanguageModule(int languageId);

// The HTML help page for a help context: help/bg/<context>.html beside the program for
// Bulgarian, help/en/<context>.html otherwise.
QString HelpPagePath(int languageId, int context);

// Makes sure a user folder is complete: a missing folder becomes a default user; in an
// existing folder the missing tables are added and a System.dat without a record gets the
// default one. Returns false when the name cannot be a user folder or a table failed.
bool EnsureUser(const QString& name);

// Whether the start goes on after the active user has been chosen.
enum class UserChoice
{
    Proceed,
    Terminate // the password question was cancelled
};

// Chooses the active user when the main window is first shown: a first start ever makes
// the default user "Noname"; otherwise her System.dat gives the temperature scale and
// decides whether her password is asked (askPassword answers false on Cancel); a vanished
// System.dat is reported and the user recreated. Ends with CurrentUserDir at her folder
// and her tables complete.
UserChoice ChooseActiveUser(const std::function<bool(const QString& user)>& askPassword);

// Link mode without a display: the hidden link window needs none, so use the offscreen
// platform. Called before the application object exists.
void PrepareEnvironment(int argc, char** argv);

// Runs the whole program and returns its exit code.
int Run(QApplication& app);

} // namespace Startup
