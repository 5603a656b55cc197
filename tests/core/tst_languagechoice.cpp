// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageChoiceU.h"
#include "TestHome.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the action on the language form once it is shown modally.
void OnModalForm(std::function<void(TLanguageChoiceForm*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* form = qobject_cast<TLanguageChoiceForm*>(QApplication::activeModalWidget());
        if (!form || !form->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(form);
    });
    timer->start();
}

template <typename T> T* child(QWidget* form, const char* name)
{
    return form->findChild<T*>(QLatin1String(name));
}

void click(QWidget* form, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(form, name), Qt::LeftButton);
}

} // namespace

class TestLanguageChoice : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void startsWithBulgarianSelected()
    {
        TLanguageChoiceForm form;
        QCOMPARE(form.objectName(), QStringLiteral("LanguageChoiceForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Language choice"));
        QCOMPARE(child<QLabel>(&form, "ChoiceLabel")->text(),
                 QStringLiteral("Please, choose the desired language for the program:"));
        QCOMPARE(child<QRadioButton>(&form, "BulgarianRB")->text(), QStringLiteral("Bulgarian"));
        QCOMPARE(child<QRadioButton>(&form, "EnglishRB")->text(), QStringLiteral("English"));
        QCOMPARE(child<QPushButton>(&form, "OKBtn")->text(), QStringLiteral("OK"));
        QVERIFY(child<QRadioButton>(&form, "BulgarianRB")->isChecked());
        QVERIFY(!child<QRadioButton>(&form, "EnglishRB")->isChecked());
        QVERIFY(form.ChoseBulgarian());
        QVERIFY(!form.IsWarningMode());
        QVERIFY(child<QWidget>(&form, "ChoicePanel")->isVisibleTo(&form));
        QVERIFY(!child<QWidget>(&form, "WarningPanel")->isVisibleTo(&form));
    }

    void result_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("language");
        QTest::newRow("OK at once") << QStringList{"OKBtn"} << int(QDialog::Accepted) << 2;
        QTest::newRow("English") << QStringList{"EnglishRB", "OKBtn"} << int(QDialog::Rejected)
                                 << 1033;
        QTest::newRow("English, then Bulgarian again")
            << QStringList{"EnglishRB", "BulgarianRB", "OKBtn"} << int(QDialog::Accepted) << 2;
        QTest::newRow("closed") << QStringList{"close"} << int(QDialog::Rejected) << 1033;
        QTest::newRow("closed with Bulgarian selected")
            << QStringList{"BulgarianRB", "close"} << int(QDialog::Rejected) << 1033;
        QTest::newRow("Esc") << QStringList{"esc"} << int(QDialog::Rejected) << 1033;
    }

    void result()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, code);
        QFETCH(int, language);
        auto drive = [clicks](TLanguageChoiceForm* form) {
            for (const QString& step : clicks) {
                if (step == QLatin1String("close"))
                    form->close();
                else if (step == QLatin1String("esc"))
                    QTest::keyClick(form, Qt::Key_Escape);
                else
                    click(form, qPrintable(step));
            }
        };

        {
            TLanguageChoiceForm form;
            OnModalForm(drive);
            QCOMPARE(form.exec(), code);
            QCOMPARE(form.ChoseBulgarian(), !clicks.contains(QStringLiteral("EnglishRB")) ||
                                                clicks.contains(QStringLiteral("BulgarianRB")));
        }
        OnModalForm(drive);
        QCOMPARE(TLanguageChoiceForm::AskLanguage(), language);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void flags()
    {
        const QImage bg = TLanguageChoiceForm::BulgarianFlag().toImage();
        QCOMPARE(bg.size(), QSize(30, 18));
        QCOMPARE(QColor(bg.pixel(15, 3)), QColor(Qt::white));
        QCOMPARE(QColor(bg.pixel(15, 9)), QColor(0x00, 0x96, 0x6E));
        QCOMPARE(QColor(bg.pixel(15, 15)), QColor(0xD6, 0x26, 0x12));
        const QImage en = TLanguageChoiceForm::EnglishFlag().toImage();
        QCOMPARE(en.size(), QSize(30, 18));
        QCOMPARE(QColor(en.pixel(15, 9)), QColor(0xC8, 0x10, 0x2E)); // the cross
        QCOMPARE(QColor(en.pixel(20, 1)), QColor(0x01, 0x21, 0x69)); // the blue field
        TLanguageChoiceForm form;
        QCOMPARE(child<QLabel>(&form, "BulgarianFlag")->pixmap().toImage(), bg);
        QCOMPARE(child<QLabel>(&form, "EnglishFlag")->pixmap().toImage(), en);
    }

    void colourDepthWarning()
    {
        QString caption, text;
        bool warningShown = false, choiceShown = true;
        OnModalForm([&](TLanguageChoiceForm* form) {
            caption = form->windowTitle();
            text = child<QLabel>(form, "WarningLabel")->text();
            warningShown = child<QWidget>(form, "WarningPanel")->isVisible();
            choiceShown = child<QWidget>(form, "BulgarianRB")->isVisible();
            click(form, "OKBtn");
        });
        TLanguageChoiceForm::ShowColourDepthWarning();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(caption, QStringLiteral("Ciclera message"));
        QCOMPARE(text, QStringLiteral("Your video adapter works in 8bits color depth.\n\n"
                                      "To use the full program capabilities, you ought to change "
                                      "the depth to more than 8bits colors."));
        QVERIFY(warningShown);
        QVERIFY(!choiceShown);
    }

    void offscreenDisplayHasNoPalette()
    {
        // The offscreen test display works with 32 bits per pixel.
        QCOMPARE(QGuiApplication::primaryScreen()->depth(), 32);
        QVERIFY(!DisplayUsesPalette());
    }
};

QTEST_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
