// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraLinkU.h"

#include "LinkHeader.h"
#include "LocalEndpoint.h"

#include <QCloseEvent>
#include <QTimer>

TCiclaraLinkForm::TCiclaraLinkForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("CiclaraLinkForm"));
    setWindowTitle(QString::fromLatin1(Link::LinkFormName));
    setFixedSize(156, 58);
    // The window paints nothing of its own, not even a background.
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_endpoint = new LocalEndpoint(Endpoints::LinkForm(), this);
    m_endpoint->setHandler([this](quint32 message) { return HandleMessage(message); });
    m_endpoint->listen();
}

TCiclaraLinkForm::~TCiclaraLinkForm() = default;

bool TCiclaraLinkForm::isListening() const
{
    return m_endpoint->isListening();
}

qint32 TCiclaraLinkForm::HandleMessage(quint32 message)
{
    if (message == quint32(Link::LM_CLOSE)) {
        // Posted by the link library at the end of a synchronisation. Closing is deferred
        // so the endpoint finishes this message before the window goes.
        QTimer::singleShot(0, this, &QWidget::close);
    }
    return 0;
}

void TCiclaraLinkForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_endpoint->close();
    emit closed();
}

void TCiclaraLinkForm::paintEvent(QPaintEvent*) {}
