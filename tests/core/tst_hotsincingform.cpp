// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraMessageU.h"
#include "HotSincingTexts.h"
#include "HotSincingU.h"
#include "TestHome.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

class TestHotSincingForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

private slots:
    void initTestCase() { RegisterProgramFonts(); }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void everyTextHasItsLabel()
    {
        THotSincingForm form;
        QCOMPARE(form.objectName(), QStringLiteral("HotSincingForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Resources"));
        QSet<QString> names;
        for (const Res::Entry& entry : Res::Entries()) {
            const QString name = QLatin1String(entry.name);
            const QList<QLabel*> found = form.findChildren<QLabel*>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QLabel* label = found.first();
            QCOMPARE(form.Label(name), label);
            QCOMPARE(label->text(), Res::Text(entry.name));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->font().family(), QStringLiteral("Quorventale F"));
            QCOMPARE(label->font().pixelSize(), 11);
            names << name;
        }
        // No label without a text behind it.
        for (QLabel* label : form.findChildren<QLabel*>()) {
            if (!label->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(names.contains(label->objectName()), qPrintable(label->objectName()));
        }
        QCOMPARE(form.Label(QStringLiteral("NoSuchText")), nullptr);
    }

    void placeholdersAndBreaksAreShownAsStored()
    {
        THotSincingForm form;
        QCOMPARE(form.Label(QStringLiteral("AverageLabel"))->text(),
                 QStringLiteral("Average cycle Length = %s days"));
        QCOMPARE(form.Label(QStringLiteral("ExistingUserError"))->text(),
                 QStringLiteral("The %s already exists.\nPlease choose another name."));
        QCOMPARE(form.Label(QStringLiteral("CiclaraWarning"))->text(),
                 QStringLiteral("Ciclara Error"));
    }

    void showsModallyAndCloses()
    {
        THotSincingForm form;
        form.ShowResources();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), &form);
        form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestHotSincingForm)
#include "tst_hotsincingform.moc"
