// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CiclaraTable;
class QListWidget;
class QPushButton;
class TNewUserForm;

// The users dialog: the list of users with New, Edit and Delete. Showing it (exec or
// show) centres it and refreshes the list; the main window rewrites the active user when
// it closes with OK.
class TUsersForm : public QDialog
{
    Q_OBJECT
public:
    // New and Edit open the given new/edit-user dialog (the one the program made at start);
    // without one the users dialog makes its own.
    explicit TUsersForm(TNewUserForm* userForm = nullptr, QWidget* parent = nullptr);
    ~TUsersForm() override;

    // Lists the users (sorted), selects the active user and sets the buttons from her
    // rights.
    void RefreshUserList();
    void UsersListBoxClick();
    void NewBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();

    // The active user's FullRights as read by the last RefreshUserList.
    bool ActiveUserHasFullRights() const { return m_fullRights; }

    TNewUserForm* userForm() const { return m_userForm; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString selectedName() const;

    QListWidget* UsersListBox;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* NewBtn;
    QPushButton* EditBtn;
    QPushButton* DeleteBtn;
    CiclaraTable* DBISAMTable1;
    TNewUserForm* m_userForm;
    bool m_fullRights = false;
};
