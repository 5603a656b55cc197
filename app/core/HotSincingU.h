// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// The resources form: one label per run-time text, named like the text, showing it in the
// program's text font. Never shown in normal use; the main window shows and closes it on
// request.
class THotSincingForm : public QDialog
{
    Q_OBJECT
public:
    explicit THotSincingForm(QWidget* parent = nullptr);

    // The label of a text, or nullptr for an unknown name.
    QLabel* Label(const QString& name) const;

    // Shows the form application-modal without blocking, so a later close request can be
    // handled while it is open.
    void ShowResources();
};
