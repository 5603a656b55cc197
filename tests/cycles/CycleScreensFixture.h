// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CiclaraTable.h"
#include "Globals.h"
#include "TestHome.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// A fresh home with an open Cycle.dat of one user, the message answerer, and helpers to
// fill and read the table in the form "yyyy-MM-dd menz length, ...".
class CycleScreensFixture
{
public:
    std::unique_ptr<TestHome> home;
    std::unique_ptr<MessageAnswerer> messages;
    std::unique_ptr<CiclaraTable> table;

    bool setUp(const QString& user = QStringLiteral("Maria"))
    {
        home = std::make_unique<TestHome>();
        messages = std::make_unique<MessageAnswerer>();
        Globals::SetActiveUser(user);
        QDir().mkpath(Globals::ProgramDir() + user);
        table = std::make_unique<CiclaraTable>(Schema::Cycle());
        table->setFileName(Globals::ProgramDir() + user + QStringLiteral("/Cycle.dat"));
        return table->create() && table->open();
    }
    void tearDown()
    {
        table.reset();
        messages.reset();
        home.reset();
    }

    bool fill(const QString& rows)
    {
        for (const QString& row : rows.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const QStringList f = row.split(QLatin1Char(' '));
            table->insert();
            table->setValue(QStringLiteral("Date"), date(f.at(0)));
            table->setValue(QStringLiteral("MenzLength"), f.at(1).toInt());
            table->setValue(QStringLiteral("CycleLength"), f.at(2).toInt());
            if (!table->post())
                return false;
        }
        table->first();
        return true;
    }
    QString dump() const
    {
        QStringList rows;
        for (int i = 0; i < table->recordCount(); ++i) {
            const QVariantMap r = table->recordAt(i);
            rows << QStringLiteral("%1 %2 %3")
                        .arg(r.value(QStringLiteral("Date")).toDate().toString(Qt::ISODate))
                        .arg(r.value(QStringLiteral("MenzLength")).toInt())
                        .arg(r.value(QStringLiteral("CycleLength")).toInt());
        }
        return rows.join(QStringLiteral(", "));
    }
    QDate currentDate() const { return table->dateValue(QStringLiteral("Date")); }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto& s : messages->shown())
            texts << s.text;
        return texts;
    }

    static QDate date(const QString& iso) { return QDate::fromString(iso, Qt::ISODate); }

    // Runs the action once the dialog runs its modal loop; gives up after 5 s.
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
};
