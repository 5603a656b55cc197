// SPDX-License-Identifier: GPL-3.0-or-later
// The main window together with the user dialogs: the password question at start, the
// change-user command and a rename of the active user.
#include "AddNewCycleU.h"
#include "ChangeUserU.h"
#include "CiclaraMainU.h"
#include "CiclaraTable.h"
#include "CiclaraView.h"
#include "CycleMath.h"
#include "CyclesViewU.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "NewUserU.h"
#include "PredictionU.h"
#include "TestHome.h"
#include "UserAccounts.h"
#include "UserStore.h"
#include "UsersU.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMainUsers : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_messages;
    std::unique_ptr<TCiclaraMainForm> m_form;
    TNewUserForm* m_newUser = nullptr;
    TChangeUserForm* m_changeUser = nullptr;

    TCiclaraMainForm* form()
    {
        if (!m_form) {
            m_form = std::make_unique<TCiclaraMainForm>();
            m_newUser = new TNewUserForm(m_form.get());
            m_changeUser = new TChangeUserForm(m_form.get());
            m_form->SetUserDialogs(m_newUser, m_changeUser,
                                   new TUsersForm(m_newUser, m_form.get()));
            auto* view = new TCycleViewForm(m_form->MainTable);
            m_form->EmbedScreen(view);
            m_form->SetCycleScreens(new TAddNewCycleForm(m_form.get()), view,
                                    new TPredictionForm(m_form->MainTable));
        }
        return m_form.get();
    }

    void addUser(const QString& name, const QString& password, bool save)
    {
        CiclaraTable table;
        UserAccounts::UserInput input{name, password, password, save, true};
        QVERIFY(UserAccounts::AddUser(input, table).ok);
    }

    // Runs the steps on the change-user dialog once it is open.
    void whenChangeUserOpens(std::function<void(TChangeUserForm*)> steps)
    {
        auto* timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [this, timer, steps] {
            if (m_changeUser && m_changeUser->isVisible()) {
                timer->stop();
                timer->deleteLater();
                steps(m_changeUser);
            }
        });
        timer->start();
    }

    void typePassword(TChangeUserForm* dlg, const QString& password)
    {
        auto* edit = dlg->findChild<QLineEdit*>("PasswordMaskEdit");
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, password);
        QTest::mouseClick(dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_messages = std::make_unique<MessageAnswerer>();
    }
    void cleanup()
    {
        m_form.reset();
        UserAccounts::SetHooks({});
        m_messages.reset();
        m_home.reset();
    }

    void userCommandsAreEnabledWithTheDialogs()
    {
        QVERIFY(form()->ChangeUserAction->isEnabled());
        QVERIFY(form()->AdministrateUsersAction->isEnabled());
    }

    void startAsksTheUnsavedPasswordUntilItIsRight()
    {
        addUser("Anna", "secret", false);
        Globals::WriteSetting("Users", "ActiveUser", "Anna");
        whenChangeUserOpens([this](TChangeUserForm* dlg) {
            typePassword(dlg, "wrong");
            QVERIFY(dlg->isVisible()); // refused: the dialog stays
            typePassword(dlg, "secret");
        });
        form()->show();
        QTRY_VERIFY_WITH_TIMEOUT(form()->FirstShowDone(), 5000);
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->lastText(), Res::Text("WrongPasswordError"));
        QVERIFY(form()->MainTable->isOpen());
        QCOMPARE(form()->MainTable->fileName(), UserStore::UserFile("Anna", "Cycle.dat"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Ciclara - Anna"));
    }

    void savedPasswordIsNotAsked()
    {
        addUser("Eva", "pw", true);
        Globals::WriteSetting("Users", "ActiveUser", "Eva");
        form()->show();
        QTRY_VERIFY_WITH_TIMEOUT(form()->FirstShowDone(), 5000);
        QVERIFY(!m_changeUser->isVisible());
        QVERIFY(form()->MainTable->isOpen());
    }

    void cancelledChangeUserKeepsHerDataOpen()
    {
        addUser("Eva", "", true);
        addUser("Lea", "", true);
        Globals::WriteSetting("Users", "ActiveUser", "Eva");
        form()->show();
        QTRY_VERIFY_WITH_TIMEOUT(form()->FirstShowDone(), 5000);
        whenChangeUserOpens([](TChangeUserForm* dlg) { dlg->reject(); });
        form()->ChangeUserClick();
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
        QVERIFY(form()->MainTable->isOpen());
        QCOMPARE(form()->MainTable->fileName(), UserStore::UserFile("Eva", "Cycle.dat"));
    }

    void changeUserReopensOnTheChosenUser()
    {
        addUser("Eva", "", true);
        addUser("Lea", "", true);
        {
            CiclaraTable cycles(Schema::Cycle());
            cycles.setFileName(UserStore::UserFile("Lea", "Cycle.dat"));
            QVERIFY(cycles.open());
            for (const QDate& d : {QDate(2002, 1, 1), QDate(2002, 1, 29)})
                QVERIFY(Cycles::StoreNewCycle(cycles, d, 5, 28, Msg::Warning).stored());
        }
        Globals::WriteSetting("Users", "ActiveUser", "Eva");
        form()->show();
        QTRY_VERIFY_WITH_TIMEOUT(form()->FirstShowDone(), 5000);
        whenChangeUserOpens([this](TChangeUserForm* dlg) {
            auto* combo = dlg->findChild<QComboBox*>("UsersComboBox");
            QVERIFY(combo);
            combo->setCurrentIndex(combo->findText("Lea"));
            typePassword(dlg, "");
        });
        form()->ChangeUserClick();
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Lea"));
        QCOMPARE(Globals::ReadActiveUser(), QStringLiteral("Lea"));
        QCOMPARE(form()->MainTable->fileName(), UserStore::UserFile("Lea", "Cycle.dat"));
        QVERIFY(form()->MainTable->isOpen());
        QCOMPARE(form()->windowTitle(), QStringLiteral("Ciclara - Lea"));
        // Her newest cycle is current and drawn.
        QCOMPARE(form()->MainTable->dateValue("Date"), QDate(2002, 1, 29));
        QCOMPARE(form()->CycleViewForm()->CiclaraView1->StartDate(), QDate(2002, 1, 29));
        QVERIFY(form()->CycleViewForm()->CiclaraView1->isVisible());
    }

    void renamingTheActiveUserMovesHerOpenTable()
    {
        addUser("Anna", "", true);
        Globals::WriteSetting("Users", "ActiveUser", "Anna");
        form()->show();
        QTRY_VERIFY_WITH_TIMEOUT(form()->FirstShowDone(), 5000);
        QVERIFY(form()->MainTable->isOpen());

        m_newUser->PrepareEdit("Anna");
        m_newUser->findChild<QLineEdit*>("NameEdit")->setText("Annette");
        m_newUser->OKBtnClick();
        QVERIFY(m_messages->shown().isEmpty());
        QVERIFY(!QFileInfo::exists(Globals::ProgramDir() + "Anna"));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Annette"));
        QVERIFY(form()->MainTable->isOpen());
        QCOMPARE(form()->MainTable->fileName(), UserStore::UserFile("Annette", "Cycle.dat"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Ciclara - Annette"));
    }
};

QTEST_MAIN(TestMainUsers)
#include "tst_mainusers.moc"
