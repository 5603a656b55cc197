// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBox.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A fresh temporary home for one test: data root, settings, data and runtime folders,
// pointed to by the environment, and the process state reset. Tests create one in init()
// and drop it in cleanup().
class TestHome
{
public:
    TestHome();
    ~TestHome();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString dataRoot() const; // with a trailing '/'
    QString settingsFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_saved[5];
};

// Records every message shown and answers from a queue (OK for statements, No for
// questions when the queue is empty). Installs itself for its lifetime.
class MessageAnswerer
{
public:
    struct Shown
    {
        QString text;
        int kind;
        Msg::Buttons buttons;
    };

    MessageAnswerer();
    ~MessageAnswerer();

    void queue(int answer) { m_answers << answer; }
    const QList<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }

private:
    QList<int> m_answers;
    QList<Shown> m_shown;
    Msg::Handler m_previous;
};
