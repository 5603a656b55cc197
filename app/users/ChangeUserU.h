// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CiclaraTable;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The change-active-user dialog, also the password question at start. ShowForUser
// prepares it and runs it modally; PrepareForUser does the preparation alone, so a caller
// can drive the boxes and OKBtnClick without a modal loop.
class TChangeUserForm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangeUserForm(QWidget* parent = nullptr);
    ~TChangeUserForm() override;

    int ShowForUser(const QString& name);
    void PrepareForUser(const QString& name);

    // Fills "Save my password" and the password box from the selected user's System.dat.
    void UsersComboBoxChange();
    // Checks the password and makes the selected user active; closes with OK when done.
    void OKBtnClick();

    QString SelectedUser() const;

    void done(int result) override;

private:
    QLabel* UserLabel;
    QComboBox* UsersComboBox;
    QLabel* PasswordLabel;
    QLineEdit* PasswordMaskEdit;
    QCheckBox* SavePasswordCheckBox;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    CiclaraTable* DBISAMTable1;
};
