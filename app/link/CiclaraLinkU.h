// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class LocalEndpoint;

// The link window of link mode: a small frameless window that is never shown. It owns the
// endpoint "Ciclara Link Form" through which the link library reaches the desktop data,
// and it closes when the link library posts LM_CLOSE.
class TCiclaraLinkForm : public QWidget
{
    Q_OBJECT
public:
    explicit TCiclaraLinkForm(QWidget* parent = nullptr);
    ~TCiclaraLinkForm() override;

    // Whether the window holds its endpoint (false when another link window has it).
    bool isListening() const;

    // Answers one link message; the link handlers hook in here.
    qint32 HandleMessage(quint32 message);

signals:
    // Emitted once the window has closed; link mode ends its message loop on it.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LocalEndpoint* m_endpoint = nullptr;
};
