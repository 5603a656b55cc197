// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsersU.h"

#include "CiclaraTable.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "NewUserU.h"
#include "UiHelpers.h"
#include "UserAccounts.h"
#include "UserStore.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

TUsersForm::TUsersForm(TNewUserForm* userForm, QWidget* parent)
    : QDialog(parent), m_userForm(userForm ? userForm : new TNewUserForm(this))
{
    setObjectName(QStringLiteral("UsersForm"));
    setProperty("helpContext", 6002);
    setStatusTip(tr("Administrate users window"));
    setWindowTitle(tr("Users"));

    UsersListBox = new QListWidget(this);
    UsersListBox->setObjectName(QStringLiteral("UsersListBox"));
    UsersListBox->setStatusTip(tr("Displays all User names"));
    UsersListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    UsersListBox->setFixedSize(200, 180);

    auto makeButton = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    OKBtn = makeButton("OKBtn", tr("OK"));
    OKBtn->setDefault(true);
    CancelBtn = makeButton("CancelBtn", tr("Cancel"));
    NewBtn = makeButton("NewBtn", tr("New"));
    NewBtn->setStatusTip(tr("Displays Add new user window"));
    NewBtn->setProperty("helpContext", 6001);
    EditBtn = makeButton("EditBtn", tr("Edit"));
    EditBtn->setStatusTip(tr("Displays Edit user window"));
    DeleteBtn = makeButton("DeleteBtn", tr("Delete"));
    DeleteBtn->setStatusTip(tr("Deletes selected User"));
    DeleteBtn->setProperty("helpContext", 6003);
    // Hiding New and Delete leaves their places empty instead of moving the others.
    for (QPushButton* b : {NewBtn, DeleteBtn}) {
        QSizePolicy p = b->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        b->setSizePolicy(p);
    }

    DBISAMTable1 = new CiclaraTable(Schema::System(), this);
    DBISAMTable1->setObjectName(QStringLiteral("DBISAMTable1"));

    auto* side = new QVBoxLayout;
    side->addWidget(NewBtn);
    side->addWidget(EditBtn);
    side->addWidget(DeleteBtn);
    side->addStretch();
    side->addWidget(OKBtn);
    side->addWidget(CancelBtn);

    auto* top = new QHBoxLayout(this);
    top->addWidget(UsersListBox);
    top->addSpacing(4);
    top->addLayout(side);
    UserDialogs::MakeFixedDialog(this);

    connect(UsersListBox, &QListWidget::currentRowChanged, this, &TUsersForm::UsersListBoxClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(NewBtn, &QPushButton::clicked, this, &TUsersForm::NewBtnClick);
    connect(EditBtn, &QPushButton::clicked, this, &TUsersForm::EditBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TUsersForm::DeleteBtnClick);
}

TUsersForm::~TUsersForm() = default;

void TUsersForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Ui::CentreOverMainWindow(this);
    RefreshUserList();
    // Each showing starts in the list, so Enter means OK and not the button that had the
    // focus when the dialog was last closed.
    UsersListBox->setFocus(Qt::OtherFocusReason);
}

QString TUsersForm::selectedName() const
{
    const QListWidgetItem* item = UsersListBox->currentItem();
    return item ? item->text() : QString();
}

void TUsersForm::RefreshUserList()
{
    const QString active = Globals::ActiveUser();
    QStringList names = UserStore::ListUsers();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    {
        const QSignalBlocker block(UsersListBox);
        UsersListBox->clear();
        UsersListBox->addItems(names);
        int row = int(names.indexOf(active));
        if (row < 0 && !names.isEmpty())
            row = 0;
        UsersListBox->setCurrentRow(row);
    }
    // A user whose System.dat is missing is given no rights.
    const UserAccounts::StoredAccount account = UserAccounts::ReadAccount(active, *DBISAMTable1);
    m_fullRights = account.exists && account.fullRights;
    NewBtn->setVisible(m_fullRights);
    DeleteBtn->setVisible(m_fullRights);
    UsersListBoxClick();
}

void TUsersForm::UsersListBoxClick()
{
    EditBtn->setEnabled(
        UserAccounts::CanEditUser(selectedName(), Globals::ActiveUser(), m_fullRights));
}

void TUsersForm::NewBtnClick()
{
    if (!m_fullRights)
        return;
    m_userForm->SetFullRightsAllowed(m_fullRights);
    if (m_userForm->ShowNew(Globals::ReadActiveUser()) == QDialog::Accepted)
        RefreshUserList();
}

void TUsersForm::EditBtnClick()
{
    const int row = UsersListBox->currentRow();
    const QString name = selectedName();
    if (!UserAccounts::CanEditUser(name, Globals::ActiveUser(), m_fullRights))
        return;
    m_userForm->SetFullRightsAllowed(m_fullRights);
    m_userForm->ShowEdit(name);
    RefreshUserList();
    if (row < UsersListBox->count()) {
        const QSignalBlocker block(UsersListBox);
        UsersListBox->setCurrentRow(row);
    }
    UsersListBoxClick();
}

void TUsersForm::DeleteBtnClick()
{
    const QString name = selectedName();
    const UserAccounts::Outcome o = UserAccounts::CheckDelete(name, Globals::ActiveUser());
    if (!o.ok) {
        UserDialogs::ShowRefusal(o, nullptr);
        return;
    }
    if (!m_fullRights)
        return;
    if (ShowMessageBox(Res::Text("DeleteConfirm", {name}), Msg::Confirmation, 0, 0,
                       Msg::mbYes | Msg::mbNo) != Msg::mrYes)
        return;
    UserStore::DeleteUserData(name);
    RefreshUserList();
}
