// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeUserU.h"

#include "CiclaraTable.h"
#include "NewUserU.h"
#include "UiHelpers.h"
#include "UserAccounts.h"
#include "UserStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using UserAccounts::Field;

TChangeUserForm::TChangeUserForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChangeUserForm"));
    setProperty("helpContext", 6004);
    setWindowTitle(tr("Change User"));

    UserLabel = new QLabel(tr("User"), this);
    UserLabel->setObjectName(QStringLiteral("UserLabel"));
    UsersComboBox = new QComboBox(this);
    UsersComboBox->setObjectName(QStringLiteral("UsersComboBox"));
    UsersComboBox->setEditable(false);
    UsersComboBox->setMinimumWidth(200);
    UsersComboBox->setStatusTip(tr("Choose User from dropdown list"));
    UserLabel->setBuddy(UsersComboBox);

    PasswordLabel = new QLabel(tr("Password"), this);
    PasswordLabel->setObjectName(QStringLiteral("PasswordLabel"));
    PasswordMaskEdit = UserDialogs::MakePasswordEdit(QStringLiteral("PasswordMaskEdit"), this);
    PasswordMaskEdit->setStatusTip(tr("Enter password"));
    PasswordLabel->setBuddy(PasswordMaskEdit);

    SavePasswordCheckBox = new QCheckBox(tr("Save my password"), this);
    SavePasswordCheckBox->setObjectName(QStringLiteral("SavePasswordCheckBox"));
    SavePasswordCheckBox->setStatusTip(
        tr("Check box if you want Ciclara to remember your password"));

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel "), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    DBISAMTable1 = new CiclaraTable(Schema::System(), this);
    DBISAMTable1->setObjectName(QStringLiteral("DBISAMTable1"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(UserLabel, 0, 0);
    grid->addWidget(UsersComboBox, 0, 1);
    grid->addWidget(PasswordLabel, 1, 0);
    grid->addWidget(PasswordMaskEdit, 1, 1);
    grid->addWidget(SavePasswordCheckBox, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addSpacing(6);
    top->addLayout(buttons);
    UserDialogs::MakeFixedDialog(this);

    // Only a choice of the user runs the change; filling the list does not.
    connect(UsersComboBox, &QComboBox::activated, this, &TChangeUserForm::UsersComboBoxChange);
    connect(OKBtn, &QPushButton::clicked, this, &TChangeUserForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TChangeUserForm::~TChangeUserForm() = default;

QString TChangeUserForm::SelectedUser() const
{
    return UsersComboBox->currentIndex() < 0 ? QString() : UsersComboBox->currentText();
}

void TChangeUserForm::PrepareForUser(const QString& name)
{
    PasswordMaskEdit->clear();
    UsersComboBox->clear();
    UsersComboBox->addItems(UserStore::ListUsers());
    UsersComboBox->setCurrentIndex(UsersComboBox->findText(name, Qt::MatchExactly));
    UsersComboBoxChange();
    PasswordMaskEdit->setFocus(Qt::OtherFocusReason);
    setResult(0);
}

int TChangeUserForm::ShowForUser(const QString& name)
{
    PrepareForUser(name);
    adjustSize();
    Ui::CentreOverMainWindow(this);
    return exec();
}

void TChangeUserForm::UsersComboBoxChange()
{
    const UserAccounts::StoredAccount account =
        UserAccounts::ReadAccount(SelectedUser(), *DBISAMTable1);
    if (!account.exists)
        return;
    SavePasswordCheckBox->setChecked(account.savedPassword);
    PasswordMaskEdit->setText(UserAccounts::PrefilledPassword(account));
}

void TChangeUserForm::OKBtnClick()
{
    const UserAccounts::Outcome o = UserAccounts::ChangeUser(
        SelectedUser(), PasswordMaskEdit->text(), SavePasswordCheckBox->isChecked(), *DBISAMTable1);
    if (!o.ok) {
        QWidget* focus = nullptr;
        if (o.focus == Field::Password)
            focus = PasswordMaskEdit;
        else if (o.focus == Field::UserList)
            focus = UsersComboBox;
        UserDialogs::ShowRefusal(o, focus);
        return;
    }
    accept();
}

void TChangeUserForm::done(int result)
{
    DBISAMTable1->close();
    QDialog::done(result);
}
