// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeUserU.h"
#include "CiclaraTable.h"
#include "Globals.h"
#include "NewUserU.h"
#include "TestHome.h"
#include "UserAccounts.h"
#include "UserStore.h"
#include "UsersU.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

class TestUserDialogs : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_answers;

    QString root() const { return Globals::ProgramDir(); }

    void makeUser(const QString& name, const QString& password, bool saved, bool full)
    {
        CiclaraTable table;
        const UserAccounts::Outcome o =
            UserAccounts::AddUser({name, password, password, saved, full}, table);
        QVERIFY2(o.ok, qPrintable(o.text()));
    }
    QVariantMap account(const QString& name)
    {
        CiclaraTable t(Schema::System());
        t.setFileName(root() + name + QStringLiteral("/System.dat"));
        return t.open() ? t.recordAt(0) : QVariantMap();
    }
    template <typename T> static T* child(QWidget* form, const char* name)
    {
        T* w = form->findChild<T*>(QLatin1String(name));
        if (!w)
            qWarning("No child %s", name);
        return w;
    }
    static void showActive(QWidget* w)
    {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    // Runs the action once the dialog is open in its modal loop; gives up after 5 s.
    static void whenOpen(QWidget* dialog, std::function<void()> action)
    {
        auto* timer = new QTimer(dialog);
        auto tries = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, dialog, [=] {
            if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
                timer->deleteLater();
                action();
            } else if (++*tries > 500) {
                timer->deleteLater();
            }
        });
        timer->start(10);
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto& s : m_answers->shown())
            texts << s.text;
        return texts;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_answers = std::make_unique<MessageAnswerer>();
        UserAccounts::SetHooks(UserAccounts::Hooks());
    }
    void cleanup()
    {
        m_answers.reset();
        m_home.reset();
    }

    void newAndEditModes()
    {
        makeUser("Eva", "Secret", true, false);
        TNewUserForm form;
        QCOMPARE(form.objectName(), QStringLiteral("NewUserForm"));
        QCOMPARE(form.property("helpContext").toInt(), 6001);
        QCOMPARE(form.statusTip(), QStringLiteral("Use this window to enter new user information"));
        auto* pass = child<QLineEdit>(&form, "PasswordMaskEdit");
        auto* repass = child<QLineEdit>(&form, "RePasswordMaskEdit");
        auto* name = child<QLineEdit>(&form, "NameEdit");
        auto* save = child<QCheckBox>(&form, "SavePasswordCheckBox");
        auto* full = child<QCheckBox>(&form, "FullRightsCheckBox");
        QVERIFY(pass && repass && name && save && full);
        QVERIFY(child<QPushButton>(&form, "OKBtn")->isDefault());
        QCOMPARE(child<QPushButton>(&form, "CancelBtn")->text(), QStringLiteral("Cancel"));
        for (QLineEdit* e : {pass, repass}) {
            QCOMPARE(e->echoMode(), QLineEdit::Password);
            QTest::keyClicks(e, QString(25, QLatin1Char('x')));
            QCOMPARE(e->text().size(), 20);
        }

        form.PrepareEdit("Eva");
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit user"));
        QCOMPARE(child<QLabel>(&form, "PasswordLabel")->text(), QStringLiteral("New password"));
        QCOMPARE(child<QLabel>(&form, "RepasswordLabel")->text(),
                 QStringLiteral("Retype new password"));
        QCOMPARE(name->text(), QStringLiteral("Eva"));
        QCOMPARE(pass->text(), QStringLiteral("Secret"));
        QCOMPARE(repass->text(), QStringLiteral("Secret"));
        QVERIFY(save->isChecked());
        QVERIFY(!full->isChecked());

        form.PrepareNew("Eva");
        QCOMPARE(form.windowTitle(), QStringLiteral("Add new User"));
        QCOMPARE(child<QLabel>(&form, "PasswordLabel")->text(), QStringLiteral("Password"));
        QCOMPARE(child<QLabel>(&form, "RepasswordLabel")->text(),
                 QStringLiteral("Retype password"));
        QVERIFY(name->text().isEmpty() && pass->text().isEmpty() && repass->text().isEmpty());
        QVERIFY(!save->isChecked() && !full->isChecked());
    }

    void forbiddenNameRefusedOnLeavingAndOnOk()
    {
        TNewUserForm form;
        form.PrepareNew("Ann");
        showActive(&form);
        auto* name = child<QLineEdit>(&form, "NameEdit");
        QTRY_COMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(name, "Ev|a");
        QTest::keyClick(name, Qt::Key_Tab); // into the password box
        QTRY_COMPARE(m_answers->shown().size(), 1);
        QVERIFY(m_answers->lastText().startsWith(
            "A User name cannot contain any of the following charecters:"));
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Error));
        QTRY_COMPARE(QApplication::focusWidget(), name);

        QSignalSpy accepted(&form, &QDialog::accepted);
        form.OKBtnClick();
        QCOMPARE(m_answers->shown().size(), 2);
        QCOMPARE(m_answers->lastText(), m_answers->shown().first().text);
        QCOMPARE(QApplication::focusWidget(), name);
        QVERIFY(form.isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // The refused name is selected: typing the name again replaces it.
        QTest::keyClicks(name, "Eva");
        QCOMPARE(name->text(), QStringLiteral("Eva"));

        // Leaving the box with a good name says nothing.
        child<QLineEdit>(&form, "PasswordMaskEdit")->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        QCOMPARE(m_answers->shown().size(), 2);
    }

    void existingFolderRefusedThenNewUserMade()
    {
        QVERIFY(QDir().mkpath(root() + "Eva")); // no Cycle.dat: not listed, still taken
        TNewUserForm form;
        form.SetFullRightsAllowed(true);
        form.PrepareNew("Ann");
        showActive(&form);
        auto* name = child<QLineEdit>(&form, "NameEdit");
        name->setText("Eva");
        child<QLineEdit>(&form, "PasswordMaskEdit")->setText("pw");
        child<QLineEdit>(&form, "RePasswordMaskEdit")->setText("pw");
        child<QCheckBox>(&form, "SavePasswordCheckBox")->setChecked(true);
        child<QCheckBox>(&form, "FullRightsCheckBox")->setChecked(true);
        QSignalSpy accepted(&form, &QDialog::accepted);
        QTest::mouseClick(child<QPushButton>(&form, "OKBtn"), Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{"The Eva already exists.\nPlease choose another name."});
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Information));
        QTRY_COMPARE(QApplication::focusWidget(), name);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(QDir(root() + "Eva").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());

        name->setText("Eve");
        QTest::mouseClick(child<QPushButton>(&form, "OKBtn"), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(UserStore::ListUsers(), QStringList{"Eve"});
        const QVariantMap eve = account("Eve");
        QCOMPARE(eve["Password"].toString(), QStringLiteral("pw"));
        QVERIFY(eve["SavedPassword"].toBool());
        QVERIFY(eve["FullRights"].toBool());
    }

    void rightsGateTheButtons_data()
    {
        QTest::addColumn<bool>("fullRights");
        QTest::newRow("full rights") << true;
        QTest::newRow("no rights") << false;
    }
    void rightsGateTheButtons()
    {
        QFETCH(bool, fullRights);
        makeUser("Ann", "", true, fullRights);
        makeUser("Bob", "bob", false, true);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TUsersForm users;
        users.show(); // showing refreshes the list
        auto* list = child<QListWidget>(&users, "UsersListBox");
        auto* edit = child<QPushButton>(&users, "EditBtn");
        QCOMPARE(users.ActiveUserHasFullRights(), fullRights);
        QCOMPARE(child<QPushButton>(&users, "NewBtn")->isVisible(), fullRights);
        QCOMPARE(child<QPushButton>(&users, "DeleteBtn")->isVisible(), fullRights);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Ann"));
        QVERIFY(edit->isEnabled());

        list->setCurrentRow(1); // Bob
        QCOMPARE(edit->isEnabled(), fullRights);
        QSignalSpy opened(users.userForm(), &QDialog::finished);
        if (!fullRights) {
            users.EditBtnClick(); // refused without opening anything
            QCOMPARE(opened.count(), 0);
        }

        // Editing herself: the rights box is offered exactly with full rights.
        list->setCurrentRow(0);
        bool boxShown = !fullRights;
        whenOpen(users.userForm(), [&] {
            boxShown = child<QCheckBox>(users.userForm(), "FullRightsCheckBox")->isVisible();
            users.userForm()->reject();
        });
        users.EditBtnClick();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(boxShown, fullRights);
    }

    void activeUserCannotBeDeleted()
    {
        makeUser("Ann", "", true, true);
        makeUser("Bob", "", true, true);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TUsersForm users;
        users.RefreshUserList();
        users.DeleteBtnClick(); // Ann is selected
        QCOMPARE(shownTexts(), QStringList{"You cannot delete active user."});
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Information));
        QVERIFY(UserStore::ListUsers().contains("Ann"));
        QCOMPARE(child<QListWidget>(&users, "UsersListBox")->count(), 2);
    }

    void deleteAsksAndRemovesOnYes()
    {
        makeUser("Ann", "", true, true);
        makeUser("Bob", "", true, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TUsersForm users;
        users.RefreshUserList();
        auto* list = child<QListWidget>(&users, "UsersListBox");
        list->setCurrentRow(1);

        m_answers->queue(Msg::mrNo);
        users.DeleteBtnClick();
        QCOMPARE(shownTexts(), QStringList{"Are you sure you want to delete Bob?"});
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Confirmation));
        QCOMPARE(m_answers->shown().last().buttons, Msg::mbYes | Msg::mbNo);
        QCOMPARE(list->count(), 2);

        m_answers->queue(Msg::mrYes);
        users.DeleteBtnClick();
        QCOMPARE(m_answers->shown().size(), 2);
        QCOMPARE(UserStore::ListUsers(), QStringList{"Ann"});
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Ann"));
        QVERIFY(!QFileInfo::exists(root() + "Bob"));
    }

    void savedPasswordFillsChangeUserAndOkSucceeds()
    {
        makeUser("Ann", "", false, true);
        makeUser("Eva", "Secret", true, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TChangeUserForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Change User"));
        QCOMPARE(child<QPushButton>(&form, "CancelBtn")->text(), QStringLiteral("Cancel "));
        auto* combo = child<QComboBox>(&form, "UsersComboBox");
        auto* pass = child<QLineEdit>(&form, "PasswordMaskEdit");
        QVERIFY(!combo->isEditable());
        QCOMPARE(pass->maxLength(), 20);

        QString filled;
        whenOpen(&form, [&] {
            filled = pass->text();
            QTest::mouseClick(child<QPushButton>(&form, "OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(form.ShowForUser("Eva"), int(QDialog::Accepted));
        QCOMPARE(filled, QStringLiteral("Secret"));
        QCOMPARE(m_answers->shown().size(), 0);
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));

        // The list keeps the order of the user list; another choice fills from her table:
        // Ann saved no password, and her empty password matches the empty box.
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, UserStore::ListUsers());
        form.PrepareForUser("Eva");
        combo->setCurrentIndex(combo->findText("Ann"));
        form.UsersComboBoxChange();
        QVERIFY(pass->text().isEmpty());
        QVERIFY(!child<QCheckBox>(&form, "SavePasswordCheckBox")->isChecked());
        form.OKBtnClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Ann"));
        QCOMPARE(m_answers->shown().size(), 0);
    }

    void wrongPasswordRefused()
    {
        makeUser("Ann", "", true, true);
        makeUser("Eva", "Secret", false, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TChangeUserForm form;
        form.PrepareForUser("Eva");
        showActive(&form);
        auto* pass = child<QLineEdit>(&form, "PasswordMaskEdit");
        QVERIFY(pass->text().isEmpty()); // not saved: not filled in
        QTest::keyClicks(pass, "secret");
        child<QComboBox>(&form, "UsersComboBox")->setFocus();
        form.OKBtnClick();
        QCOMPARE(shownTexts(), QStringList{"Wrong password. Try again."});
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Error));
        QTRY_COMPARE(QApplication::focusWidget(), pass);
        QVERIFY(form.isVisible());
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Ann"));

        // The wrong password is selected, so the right one typed next replaces it.
        QTest::keyClicks(pass, "Secret");
        QCOMPARE(pass->text(), QStringLiteral("Secret"));
        form.OKBtnClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
    }

    void retypedPasswordReplacesTheRefusedOne()
    {
        TNewUserForm form;
        form.PrepareNew("Ann");
        showActive(&form);
        child<QLineEdit>(&form, "NameEdit")->setText("Eva");
        child<QLineEdit>(&form, "PasswordMaskEdit")->setText("rose12");
        auto* repass = child<QLineEdit>(&form, "RePasswordMaskEdit");
        repass->setFocus();
        QTest::keyClicks(repass, "rose13");
        form.OKBtnClick();
        QCOMPARE(shownTexts(), QStringList{"Wrong password! Please retype it again."});
        QCOMPARE(m_answers->shown().last().kind, int(Msg::Warning));
        QTRY_COMPARE(QApplication::focusWidget(), repass);
        QTest::keyClicks(repass, "rose12");
        QCOMPARE(repass->text(), QStringLiteral("rose12"));
        form.OKBtnClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(account("Eva")["Password"].toString(), QStringLiteral("rose12"));
    }

    void okWritesSaveMyPasswordBack_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::newRow("switch the question off") << false;
        QTest::newRow("switch the question on") << true;
    }
    void okWritesSaveMyPasswordBack()
    {
        QFETCH(bool, savedBefore);
        makeUser("Eva", "pw", savedBefore, false);
        TChangeUserForm form;
        form.PrepareForUser("Eva");
        auto* pass = child<QLineEdit>(&form, "PasswordMaskEdit");
        auto* save = child<QCheckBox>(&form, "SavePasswordCheckBox");
        QCOMPARE(save->isChecked(), savedBefore);
        pass->setText("pw");
        save->setChecked(!savedBefore);
        form.OKBtnClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(account("Eva")["SavedPassword"].toBool(), !savedBefore);
        QCOMPARE(account("Eva")["Password"].toString(), QStringLiteral("pw"));
    }

    void usersDialogStartsInTheListEachTime()
    {
        makeUser("Ann", "", true, true);
        QVERIFY(Globals::SetActiveUser("Ann"));
        TUsersForm users;
        auto* list = child<QListWidget>(&users, "UsersListBox");
        auto* cancel = child<QPushButton>(&users, "CancelBtn");
        // Last time she left through Cancel, with the focus on it.
        whenOpen(&users, [&] {
            cancel->setFocus(Qt::TabFocusReason);
            QTest::keyClick(cancel, Qt::Key_Return);
        });
        QCOMPARE(users.exec(), int(QDialog::Rejected));

        // Shown again, the focus is in the list and Enter means OK.
        QWidget* focused = nullptr;
        whenOpen(&users, [&] {
            focused = QApplication::focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(users.exec(), int(QDialog::Accepted));
        QCOMPARE(focused, list);
    }

    void editKeepsTheListPosition()
    {
        makeUser("ann", "", true, true);
        makeUser("Bob", "", true, false);
        makeUser("Cid", "cid", false, false);
        QVERIFY(Globals::SetActiveUser("ann"));
        TUsersForm users;
        users.RefreshUserList();
        auto* list = child<QListWidget>(&users, "UsersListBox");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        QCOMPARE(items, (QStringList{"ann", "Bob", "Cid"})); // sorted, case aside
        list->setCurrentRow(2);
        whenOpen(users.userForm(), [&] {
            child<QLineEdit>(users.userForm(), "PasswordMaskEdit")->setText("new");
            child<QLineEdit>(users.userForm(), "RePasswordMaskEdit")->setText("new");
            users.userForm()->OKBtnClick();
        });
        users.EditBtnClick();
        QCOMPARE(users.userForm()->result(), int(QDialog::Accepted));
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(account("Cid")["Password"].toString(), QStringLiteral("new"));
    }

    void dialogsAreTidy_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("new user") << "NewUserForm";
        QTest::newRow("change user") << "ChangeUserForm";
        QTest::newRow("users") << "UsersForm";
    }
    void dialogsAreTidy()
    {
        QFETCH(QString, which);
        makeUser("Ann", "", true, true);
        makeUser("Eva Maria", "pw", true, false);
        QVERIFY(Globals::SetActiveUser("Ann"));
        std::unique_ptr<QDialog> dialog;
        if (which == "NewUserForm") {
            auto* f = new TNewUserForm;
            f->SetFullRightsAllowed(true);
            f->PrepareNew("Ann");
            dialog.reset(f);
        } else if (which == "ChangeUserForm") {
            auto* f = new TChangeUserForm;
            f->PrepareForUser("Eva Maria");
            dialog.reset(f);
        } else {
            dialog.reset(new TUsersForm);
        }
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->objectName(), which);

        // Every visible control lies inside the window, shows its whole text and
        // overlaps no other control.
        const QRect inside = dialog->rect();
        QList<QWidget*> controls;
        for (QWidget* w : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible())
                continue;
            controls << w;
            QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            if (auto* label = qobject_cast<QLabel*>(w))
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(w->objectName()));
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                QVERIFY2(button->width() >= button->sizeHint().width() ||
                             button->width() >=
                                 button->fontMetrics().horizontalAdvance(button->text()) + 8,
                         qPrintable(w->objectName()));
        }
        QVERIFY(controls.size() >= 5);
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " / " + controls[j]->objectName()));
        }

        const QString shots = qEnvironmentVariable("CICLARA_SHOT_DIR");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            QVERIFY(dialog->grab().save(shots + "/" + which + ".png"));
        }
    }
};

QTEST_MAIN(TestUserDialogs)
#include "tst_userdialogs.moc"
