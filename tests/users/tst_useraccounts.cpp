// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraTable.h"
#include "Globals.h"
#include "MessageBox.h"
#include "TestHome.h"
#include "UserAccounts.h"
#include "UserStore.h"

#include <QDir>
#include <QTest>

using namespace UserAccounts;

Q_DECLARE_METATYPE(UserAccounts::Field)

class TestUserAccounts : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    QStringList m_events;

    QString root() const { return Globals::ProgramDir(); }
    QStringList rootEntries() const
    {
        return QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    static QString label(const Outcome& o) { return QString::fromLatin1(o.message); }

    void makeUser(const QString& name, const QString& password, bool saved, bool full)
    {
        CiclaraTable table;
        const Outcome o = AddUser({name, password, password, saved, full}, table);
        QVERIFY2(o.ok, qPrintable(o.text()));
    }
    // The records of a user's System.dat.
    QList<QVariantMap> systemRecords(const QString& name)
    {
        QList<QVariantMap> rows;
        CiclaraTable t(Schema::System());
        t.setFileName(root() + name + QStringLiteral("/System.dat"));
        if (!t.open())
            return rows;
        for (int i = 0; i < t.recordCount(); ++i)
            rows << t.recordAt(i);
        return rows;
    }
    // Hooks that log each call with the active user at that moment; the move can fail.
    void installLoggingHooks(bool moveSucceeds)
    {
        Hooks h;
        h.storePendingScheduleDay = [this] { m_events << "store:" + Globals::ActiveUser(); };
        h.closeActiveUserTables = [this] { m_events << "close:" + Globals::ActiveUser(); };
        h.reopenActiveUserTables = [this] { m_events << "reopen:" + Globals::ActiveUser(); };
        h.moveFolder = [this, moveSucceeds](const QString& from, const QString& to) {
            m_events << "move:" + QFileInfo(from).fileName() + ">" + QFileInfo(to).fileName();
            return moveSucceeds && QDir().rename(from, to);
        };
        SetHooks(h);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_events.clear();
        SetHooks(Hooks());
    }
    void cleanup()
    {
        SetHooks(Hooks());
        m_home.reset();
    }

    void inputRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("retyped");
        QTest::addColumn<bool>("refusedOnExit");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<int>("kind");
        QTest::addColumn<UserAccounts::Field>("focus");

        const QString forbidden = UserStore::ForbiddenNameCharacters();
        for (const QChar c : forbidden)
            QTest::addRow("forbidden %c", c.toLatin1())
                << QStringLiteral("Ev") + c + QStringLiteral("a") << ""
                << "" << true << "NameDelimiterError" << int(Msg::Error) << Field::Name;
        QTest::newRow("forbidden before password check")
            << "../Bob"
            << "a"
            << "b" << true << "NameDelimiterError" << int(Msg::Error) << Field::Name;
        for (const char* bad : {"", "   ", ".", "..", "Data"})
            QTest::addRow("unusable '%s'", bad)
                << QString::fromLatin1(bad) << ""
                << "" << false << "UserNameError" << int(Msg::Information) << Field::Name;
        QTest::newRow("passwords differ")
            << "Eva"
            << "x"
            << "y" << false << "RetypePasswordError" << int(Msg::Warning) << Field::RePassword;
        QTest::newRow("passwords differ in case")
            << "Eva"
            << "Secret"
            << "secret" << false << "RetypePasswordError" << int(Msg::Warning) << Field::RePassword;
        QTest::newRow("no password") << "Eva"
                                     << ""
                                     << "" << false << "" << 0 << Field::None;
        QTest::newRow("blanks inside and after") << "Eva Maria "
                                                 << "pw"
                                                 << "pw" << false << "" << 0 << Field::None;
        QTest::newRow("a lower-case data") << "data"
                                           << "pw"
                                           << "pw" << false << "" << 0 << Field::None;
    }
    void inputRules()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, retyped);
        QFETCH(bool, refusedOnExit);
        QFETCH(QString, message);
        QFETCH(int, kind);
        QFETCH(UserAccounts::Field, focus);

        const Outcome exit = CheckNameOnExit(name);
        QCOMPARE(!exit.ok, refusedOnExit);
        if (refusedOnExit) {
            QCOMPARE(label(exit), QStringLiteral("NameDelimiterError"));
            QCOMPARE(exit.kind, int(Msg::Error));
            QCOMPARE(exit.focus, Field::Name);
        }

        const QStringList parentBefore =
            QDir(root() + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        CiclaraTable table;
        const Outcome ok = AddUser({name, password, retyped, true, true}, table);
        QCOMPARE(label(ok), message);
        if (message.isEmpty()) {
            QVERIFY(ok.ok);
            QVERIFY(UserStore::ListUsers().contains(name));
            return;
        }
        QVERIFY(!ok.ok);
        QCOMPARE(ok.kind, kind);
        QCOMPARE(ok.focus, focus);
        // A refused name builds no path: nothing appears in the data root or beside it.
        QCOMPARE(rootEntries(), QStringList());
        QCOMPARE(
            QDir(root() + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            parentBefore);
    }

    void addUserWritesOneCompleteRecord()
    {
        Globals::SetCurrentUserDir(root() + QStringLiteral("Ann/"));
        CiclaraTable table;
        QVERIFY(AddUser({"Eva", "s3cret", "s3cret", true, false}, table).ok);
        QVERIFY(!table.isOpen());
        for (const TableDef* def : Schema::All())
            QVERIFY2(QFileInfo(root() + "Eva/" + def->fileName).isFile(),
                     qPrintable(def->fileName));
        const QList<QVariantMap> rows = systemRecords("Eva");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["Version"].toString(), QStringLiteral("1.1.1.0"));
        QCOMPARE(rows[0]["Password"].toString(), QStringLiteral("s3cret"));
        QCOMPARE(rows[0]["SavedPassword"].toBool(), true);
        QCOMPARE(rows[0]["FullRights"].toBool(), false);
        QVERIFY(rows[0]["TemperatureType"].isNull());
        // Building the new folder does not leave CurrentUserDir on it.
        QCOMPARE(Globals::CurrentUserDir(), root() + QStringLiteral("Ann/"));
        QCOMPARE(UserStore::ListUsers(), QStringList{"Eva"});
    }

    void addUserRefusesAnExistingEntry_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder without Cycle.dat") << "folder";
        QTest::newRow("plain file") << "file";
        QTest::newRow("existing user") << "user";
    }
    void addUserRefusesAnExistingEntry()
    {
        QFETCH(QString, kind);
        QDir().mkpath(root());
        QString probe = root() + "Eva";
        if (kind == "folder") {
            QDir().mkpath(probe);
            probe += "/note.txt";
        } else if (kind == "user") {
            makeUser("Eva", "old", false, true);
            probe += "/System.dat";
        }
        if (kind != "user") {
            QFile f(probe);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("keep me");
        }
        QFile before(probe);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray content = before.readAll();
        before.close();

        CiclaraTable table;
        const Outcome o = AddUser({"Eva", "new", "new", true, true}, table);
        QVERIFY(!o.ok);
        QCOMPARE(label(o), QStringLiteral("ExistingUserError"));
        QCOMPARE(o.kind, int(Msg::Information));
        QCOMPARE(o.focus, Field::Name);
        QCOMPARE(o.text(), QStringLiteral("The Eva already exists.\nPlease choose another name."));
        QFile after(probe);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), content);
        if (kind == "folder")
            QCOMPARE(QDir(root() + "Eva").entryList(QDir::Files), QStringList{"note.txt"});
    }

    void addUserFailingHalfWayLeavesNothing()
    {
        // The boxes hold 20 characters; the table refuses a longer password after the
        // folder and the tables were made.
        const QString tooLong(MaxPasswordLength + 1, QLatin1Char('p'));
        Globals::SetCurrentUserDir(root() + QStringLiteral("Ann/"));
        CiclaraTable table;
        const Outcome o = AddUser({"Eva", tooLong, tooLong, true, true}, table);
        QVERIFY(!o.ok);
        QCOMPARE(label(o), QStringLiteral("ChangeUserError"));
        QVERIFY(!QFileInfo::exists(root() + "Eva"));
        QCOMPARE(UserStore::ListUsers(), QStringList());
        QCOMPARE(Globals::CurrentUserDir(), root() + QStringLiteral("Ann/"));
        // A 20-character password goes in.
        const QString longest(MaxPasswordLength, QLatin1Char('p'));
        QVERIFY(AddUser({"Eva", longest, longest, true, true}, table).ok);
        QCOMPARE(systemRecords("Eva").value(0)["Password"].toString(), longest);
    }

    void editUserStoresIntoTheOneRecord()
    {
        makeUser("Eva", "a", false, false);
        CiclaraTable table;
        QString current;
        QVERIFY(EditUser("Eva", {"Eva", "b", "b", true, true}, table, &current).ok);
        QCOMPARE(current, QStringLiteral("Eva"));
        const QList<QVariantMap> rows = systemRecords("Eva");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["Version"].toString(), QStringLiteral("1.1.1.0"));
        QCOMPARE(rows[0]["Password"].toString(), QStringLiteral("b"));
        QCOMPARE(rows[0]["SavedPassword"].toBool(), true);
        QCOMPARE(rows[0]["FullRights"].toBool(), true);

        // Without System.dat nothing is stored and nothing is created.
        QVERIFY(QFile::remove(root() + "Eva/System.dat"));
        QVERIFY(EditUser("Eva", {"Eva", "c", "c", false, false}, table).ok);
        QVERIFY(!QFileInfo::exists(root() + "Eva/System.dat"));
    }

    void renameOntoExistingFolderIsRefused_data()
    {
        QTest::addColumn<bool>("targetIsUser");
        QTest::newRow("another user") << true;
        QTest::newRow("folder without Cycle.dat") << false;
    }
    void renameOntoExistingFolderIsRefused()
    {
        QFETCH(bool, targetIsUser);
        makeUser("Eva", "eva", true, true);
        if (targetIsUser)
            makeUser("Bob", "bob", false, false);
        else
            QVERIFY(QDir().mkpath(root() + "Bob"));
        QVERIFY(Globals::SetActiveUser("Eva"));
        installLoggingHooks(true);

        CiclaraTable table;
        QString current;
        const Outcome o = EditUser("Eva", {"Bob", "new", "new", true, true}, table, &current);
        QVERIFY(!o.ok);
        QCOMPARE(label(o), QStringLiteral("ExistingUserError"));
        QCOMPARE(o.argument, QStringLiteral("Bob"));
        QCOMPARE(o.focus, Field::Name);
        QCOMPARE(current, QStringLiteral("Eva"));
        QCOMPARE(m_events, QStringList()); // no table closed, no folder moved
        QCOMPARE(systemRecords("Eva").value(0)["Password"].toString(), QStringLiteral("eva"));
        if (targetIsUser) {
            const QList<QVariantMap> bob = systemRecords("Bob");
            QCOMPARE(bob.size(), 1);
            QCOMPARE(bob[0]["Password"].toString(), QStringLiteral("bob"));
            QCOMPARE(bob[0]["FullRights"].toBool(), false);
        } else {
            QCOMPARE(QDir(root() + "Bob").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList());
        }
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
    }

    void renameActiveUserClosesMovesAndReopens()
    {
        makeUser("Eva", "eva", true, true);
        QVERIFY(Globals::SetActiveUser("Eva"));
        Globals::SetCurrentUserDir(root() + "Eva/");
        installLoggingHooks(true);

        CiclaraTable table;
        QString current;
        QVERIFY(EditUser("Eva", {"Maria", "new", "new", false, true}, table, &current).ok);
        QCOMPARE(m_events,
                 (QStringList{"store:Eva", "close:Eva", "move:Eva>Maria", "reopen:Maria"}));
        QCOMPARE(current, QStringLiteral("Maria"));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Maria"));
        QCOMPARE(Globals::ReadActiveUser(), QStringLiteral("Maria"));
        QCOMPARE(Globals::CurrentUserDir(), root() + QStringLiteral("Maria/"));
        QVERIFY(!QFileInfo::exists(root() + "Eva"));
        QCOMPARE(UserStore::ListUsers(), QStringList{"Maria"});
        QCOMPARE(systemRecords("Maria").value(0)["Password"].toString(), QStringLiteral("new"));
    }

    void failingMoveKeepsTheOldName()
    {
        makeUser("Eva", "eva", true, true);
        QVERIFY(Globals::SetActiveUser("Eva"));
        installLoggingHooks(false);

        CiclaraTable table;
        QString current;
        const Outcome o = EditUser("Eva", {"Maria", "new", "new", false, true}, table, &current);
        QVERIFY(!o.ok);
        QCOMPARE(label(o), QStringLiteral("ChangeUserError"));
        QCOMPARE(o.kind, int(Msg::Error));
        QCOMPARE(o.focus, Field::Name);
        QCOMPARE(m_events, (QStringList{"store:Eva", "close:Eva", "move:Eva>Maria", "reopen:Eva"}));
        QCOMPARE(current, QStringLiteral("Eva"));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
        QCOMPARE(Globals::ReadActiveUser(), QStringLiteral("Eva"));
        QVERIFY(!QFileInfo::exists(root() + "Maria"));
        // Nothing of the edit is stored when the rename is refused.
        QCOMPARE(systemRecords("Eva").value(0)["Password"].toString(), QStringLiteral("eva"));
    }

    void renameOtherUserLeavesTheActiveOneAlone()
    {
        makeUser("Ann", "", true, true);
        makeUser("Bob", "bob", false, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        Globals::SetCurrentUserDir(root() + "Ann/");
        installLoggingHooks(true);

        CiclaraTable table;
        QVERIFY(EditUser("Bob", {"Robert", "bob", "bob", false, false}, table).ok);
        QCOMPARE(m_events, QStringList{"move:Bob>Robert"});
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Ann"));
        QCOMPARE(Globals::CurrentUserDir(), root() + QStringLiteral("Ann/"));
        QStringList users = UserStore::ListUsers();
        users.sort();
        QCOMPARE(users, (QStringList{"Ann", "Robert"}));
    }

    void changeUser_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty matches empty") << "" << false << "" << true;
        QTest::newRow("same password") << "Secret" << true << "Secret" << true;
        QTest::newRow("other case") << "Secret" << false << "secret" << false;
        QTest::newRow("nothing typed") << "Secret" << true << "" << false;
        QTest::newRow("blank against empty") << "" << true << " " << false;
    }
    void changeUser()
    {
        QFETCH(QString, stored);
        QFETCH(bool, saved);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        makeUser("Ann", "", true, true);
        makeUser("Eva", stored, saved, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        installLoggingHooks(true);

        CiclaraTable table;
        const Outcome o = ChangeUser("Eva", typed, !saved, table);
        QCOMPARE(o.ok, accepted);
        QVERIFY(!table.isOpen());
        const bool savedNow = systemRecords("Eva").value(0)["SavedPassword"].toBool();
        if (accepted) {
            // The pending day is written while its owner is still the active user.
            QCOMPARE(m_events, QStringList{"store:Ann"});
            QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
            QCOMPARE(Globals::ReadActiveUser(), QStringLiteral("Eva"));
            QCOMPARE(savedNow, !saved);
        } else {
            QCOMPARE(label(o), QStringLiteral("WrongPasswordError"));
            QCOMPARE(o.kind, int(Msg::Error));
            QCOMPARE(o.focus, Field::Password);
            QCOMPARE(m_events, QStringList());
            QCOMPARE(Globals::ActiveUser(), QStringLiteral("Ann"));
            QCOMPARE(savedNow, saved);
        }
    }

    void changeUserTakesHerTemperatureScale_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QVariant>("stored"); // her TemperatureType; null: left empty
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("after");
        QTest::newRow("to a Fahrenheit user") << 0 << QVariant(1) << "pw" << 1;
        QTest::newRow("to a Celsius user") << 1 << QVariant(0) << "pw" << 0;
        QTest::newRow("empty field is Celsius") << 1 << QVariant() << "pw" << 0;
        QTest::newRow("refused keeps the scale") << 1 << QVariant(0) << "PW" << 1;
    }
    void changeUserTakesHerTemperatureScale()
    {
        QFETCH(int, before);
        QFETCH(QVariant, stored);
        QFETCH(QString, typed);
        QFETCH(int, after);
        makeUser("Ann", "", true, true);
        makeUser("Eva", "pw", false, false);
        if (!stored.isNull()) {
            CiclaraTable t(Schema::System());
            t.setFileName(root() + "Eva/System.dat");
            QVERIFY(t.open() && t.first());
            t.edit();
            t.setValue("TemperatureType", stored);
            QVERIFY(t.post());
        }
        QVERIFY(Globals::SetActiveUser("Ann"));
        Globals::SetTemperatureScale(before);

        CiclaraTable table;
        ChangeUser("Eva", typed, false, table);
        QCOMPARE(Globals::TemperatureScale(), after);
    }

    void changeUserRefusals()
    {
        QDir().mkpath(root() + "Eva");
        QFile f(root() + "Eva/Cycle.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(Globals::SetActiveUser("Ann"));
        CiclaraTable table;

        const Outcome none = ChangeUser(QString(), QString(), false, table);
        QVERIFY(!none.ok);
        QCOMPARE(none.message, nullptr);
        QCOMPARE(none.focus, Field::UserList);

        const Outcome noSystem = ChangeUser("Eva", QString(), false, table);
        QVERIFY(!noSystem.ok);
        QCOMPARE(label(noSystem), QStringLiteral("ChangeUserError"));
        QCOMPARE(noSystem.kind, int(Msg::Error));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Ann"));
        QVERIFY(!QFileInfo::exists(root() + "Eva/System.dat"));
    }

    void editAndDeleteRules_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("fullRights");
        QTest::addColumn<bool>("canEdit");
        QTest::addColumn<QString>("deleteMessage"); // "-": allowed
        QTest::newRow("herself without rights")
            << "Ann" << false << true << "DeleteActiveUserError";
        QTest::newRow("herself with rights") << "Ann" << true << true << "DeleteActiveUserError";
        QTest::newRow("other without rights") << "Bob" << false << false << "-";
        QTest::newRow("other with rights") << "Bob" << true << true << "-";
        QTest::newRow("nothing selected") << "" << true << false << "";
    }
    void editAndDeleteRules()
    {
        QFETCH(QString, selected);
        QFETCH(bool, fullRights);
        QFETCH(bool, canEdit);
        QFETCH(QString, deleteMessage);
        QCOMPARE(CanEditUser(selected, "Ann", fullRights), canEdit);
        const Outcome d = CheckDelete(selected, "Ann");
        QCOMPARE(d.ok, deleteMessage == "-");
        if (!d.ok)
            QCOMPARE(label(d), deleteMessage);
    }
};

QTEST_GUILESS_MAIN(TestUserAccounts)
#include "tst_useraccounts.moc"
