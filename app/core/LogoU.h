// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// The splash window shown while the program creates its windows: the program's logo in a
// raised frame, with a bold status line at its bottom left.
class TLogoForm : public QWidget
{
    Q_OBJECT
public:
    explicit TLogoForm(QWidget* parent = nullptr);

    // Changes the status line and repaints at once.
    void SetStatus(const QString& text);
    QString Status() const { return m_status; }

    // The logo picture, 400 x 250.
    static QPixmap LogoPicture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_logo;
    QString m_status;
};
