// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraMessageU.h"
#include "HotSincingTexts.h"
#include "TestHome.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the action on the next modal message box that opens (not the one given as busy).
void OnNextBox(std::function<void(TCiclaraMessageForm*)> action,
               TCiclaraMessageForm* busy = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action, busy] {
        auto* box = qobject_cast<TCiclaraMessageForm*>(QApplication::activeModalWidget());
        if (!box || box == busy || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(box);
    });
    timer->start();
}

// Keys go where the user's keys go: to the focused control of the box.
QWidget* keyTarget(QWidget* box)
{
    return box->focusWidget() ? box->focusWidget() : box;
}

QPushButton* button(QWidget* box, const char* name)
{
    return box->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestMessageForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    TCiclaraMessageForm* m_box = nullptr;

private slots:
    void initTestCase() { RegisterProgramFonts(); }
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_box = InstallMessageBoxHandler();
    }
    void cleanup()
    {
        Msg::SetHandler(nullptr);
        delete m_box;
        m_home.reset();
    }

    void messageBoxSize_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("one-line error") << Msg::OkSet << 1 << 11 << 96 << QSize(250, 120);
        QTest::newRow("three lines still base") << Msg::OkSet << 3 << 11 << 96 << QSize(250, 120);
        QTest::newRow("four lines") << Msg::OkSet << 4 << 11 << 96 << QSize(250, 131);
        QTest::newRow("six lines") << Msg::OkSet << 6 << 11 << 96 << QSize(250, 153);
        QTest::newRow("confirmation") << Msg::QuestionSet << 1 << 11 << 96 << QSize(310, 120);
        QTest::newRow("yes and no only")
            << (Msg::mbYes | Msg::mbNo) << 2 << 11 << 96 << QSize(310, 120);
        QTest::newRow("OK among others")
            << (Msg::mbOK | Msg::mbCancel) << 1 << 11 << 96 << QSize(250, 120);
        QTest::newRow("negative font height")
            << Msg::QuestionSet << 6 << -11 << 96 << QSize(310, 153);
        QTest::newRow("120 dpi") << Msg::OkSet << 1 << 11 << 120 << QSize(250, 150);
        QTest::newRow("120 dpi six lines") << Msg::QuestionSet << 6 << 11 << 120 << QSize(310, 183);
        QTest::newRow("empty text") << Msg::OkSet << 0 << 11 << 96 << QSize(250, 120);
    }

    void messageBoxSize()
    {
        QFETCH(int, buttons);
        QFETCH(int, lines);
        QFETCH(int, fontHeight);
        QFETCH(int, dpi);
        QFETCH(QSize, expected);
        QCOMPARE(MessageBoxSize(buttons, lines, fontHeight, Ui::ScaleFactor(dpi)), expected);
    }

    void wrappedLineCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << QString() << 165 << 1;
        QTest::newRow("short") << QStringLiteral("Short.") << 165 << 1;
        QTest::newRow("LF") << QStringLiteral("one\ntwo") << 165 << 2;
        QTest::newRow("CR and CR LF") << QStringLiteral("one\r\ntwo\rthree") << 165 << 3;
        QTest::newRow("empty line") << QStringLiteral("one\n\ntwo") << 165 << 3;
        QTest::newRow("trailing break") << QStringLiteral("one\n") << 165 << 2;
    }

    void wrappedLineCount()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(WrappedLineCount(text, ProgramTextFont(), width), expected);
    }

    void wrappedLineCountMatchesTheLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("resources text") << Res::Text("NameDelimiterError") << 165;
        QTest::newRow("long question") << Res::Text("DeleteAllTempConfirm") << 225;
        QTest::newRow("two paragraphs")
            << Res::Text("NoActiveUser", {QStringLiteral("Stanislava Petrova")}) << 165;
        QTest::newRow("word longer than the line")
            << QStringLiteral("Cannot create /home/someone/a-very-long-folder-name-without-breaks"
                              " now")
            << 165;
    }

    void wrappedLineCountMatchesTheLabel()
    {
        // The count decides the box's height, so it has to agree with what the label shows.
        QFETCH(QString, text);
        QFETCH(int, width);
        QLabel label;
        label.setFont(ProgramTextFont());
        label.setTextFormat(Qt::PlainText);
        label.setWordWrap(true);
        label.setText(text);
        const int lines = WrappedLineCount(text, ProgramTextFont(), width);
        QVERIFY(lines > 1);
        QCOMPARE(label.heightForWidth(width),
                 lines * QFontMetrics(ProgramTextFont()).lineSpacing());
    }

    void programFontIsMapped()
    {
        const QFont font = ProgramTextFont();
        QCOMPARE(font.family(), QStringLiteral("Quorventale F"));
        QCOMPARE(font.pixelSize(), 11);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(),
                 QStringLiteral("DejaVu Sans"));
    }

    void realBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        const QString confirm = QStringLiteral("Ciclara Confirmation");
        QTest::newRow("Yes") << int(Msg::Confirmation) << Msg::QuestionSet << "yes" << 6 << confirm
                             << QSize(310, 120);
        QTest::newRow("No") << int(Msg::Confirmation) << Msg::QuestionSet << "no" << 7 << confirm
                            << QSize(310, 120);
        QTest::newRow("Esc") << int(Msg::Confirmation) << Msg::QuestionSet << "esc" << 7 << confirm
                             << QSize(310, 120);
        QTest::newRow("Enter takes Yes") << int(Msg::Confirmation) << Msg::QuestionSet << "enter"
                                         << 6 << confirm << QSize(310, 120);
        QTest::newRow("title bar close") << int(Msg::Confirmation) << Msg::QuestionSet << "close"
                                         << 2 << confirm << QSize(310, 120);
        QTest::newRow("warning question") << int(Msg::Warning) << Msg::QuestionSet << "yes" << 6
                                          << "Ciclara Error" << QSize(310, 120);
        QTest::newRow("OK") << int(Msg::Error) << Msg::OkSet << "ok" << 1 << "Ciclara Error"
                            << QSize(250, 120);
        QTest::newRow("warning OK")
            << int(Msg::Warning) << Msg::OkSet << "ok" << 1 << "Ciclara Error" << QSize(250, 120);
        QTest::newRow("Esc does nothing on a statement")
            << int(Msg::Information) << Msg::OkSet << "esc-then-ok" << 1 << "Ciclara Information"
            << QSize(250, 120);
        QTest::newRow("statement closed") << int(Msg::Information) << Msg::OkSet << "close" << 2
                                          << "Ciclara Information" << QSize(250, 120);
    }

    void realBox()
    {
        QFETCH(int, kind);
        QFETCH(int, buttons);
        QFETCH(QString, action);
        QFETCH(int, expected);
        QFETCH(QString, caption);
        QFETCH(QSize, size);

        QString shownCaption, shownText;
        QSize shownSize;
        bool ok = false, yes = false, no = false, stillOpenAfterEsc = false;
        QImage picture;
        OnNextBox([&](TCiclaraMessageForm* box) {
            shownCaption = box->windowTitle();
            shownSize = box->size();
            shownText = box->findChild<QLabel*>(QStringLiteral("MessageLabel"))->text();
            picture = box->findChild<QLabel*>(QStringLiteral("MessageImage"))->pixmap().toImage();
            ok = button(box, "OkBtn")->isVisible();
            yes = button(box, "YesBtn")->isVisible();
            no = button(box, "NoBtn")->isVisible();
            if (action == QLatin1String("yes"))
                QTest::mouseClick(button(box, "YesBtn"), Qt::LeftButton);
            else if (action == QLatin1String("no"))
                QTest::mouseClick(button(box, "NoBtn"), Qt::LeftButton);
            else if (action == QLatin1String("ok"))
                QTest::mouseClick(button(box, "OkBtn"), Qt::LeftButton);
            else if (action == QLatin1String("esc"))
                QTest::keyClick(keyTarget(box), Qt::Key_Escape);
            else if (action == QLatin1String("enter"))
                QTest::keyClick(keyTarget(box), Qt::Key_Return);
            else if (action == QLatin1String("close"))
                box->close();
            else if (action == QLatin1String("esc-then-ok")) {
                QTest::keyClick(keyTarget(box), Qt::Key_Escape);
                stillOpenAfterEsc = box->isVisible();
                QTest::mouseClick(button(box, "OkBtn"), Qt::LeftButton);
            }
        });
        const QString text = QStringLiteral("Cycle with the same Start date already exists.");
        QCOMPARE(ShowMessageBox(text, kind, 0, 0, buttons), expected);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(shownText, text);
        QCOMPARE(shownSize, size);
        const bool okSet = buttons & Msg::mbOK;
        QCOMPARE(ok, okSet);
        QCOMPARE(yes, !okSet);
        QCOMPARE(no, !okSet);
        QCOMPARE(picture, TCiclaraMessageForm::KindPicture(kind).toImage());
        if (action == QLatin1String("esc-then-ok"))
            QVERIFY(stillOpenAfterEsc);
    }

    void kindPicturesDiffer()
    {
        QList<QImage> pictures;
        for (int kind = 0; kind < 4; ++kind) {
            const QImage picture = TCiclaraMessageForm::KindPicture(kind).toImage();
            QCOMPARE(picture.size(), QSize(59, 64));
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // transparent corner
            QVERIFY(qAlpha(picture.pixel(29, 32)) > 200);
            for (const QImage& other : pictures)
                QVERIFY(picture != other);
            pictures << picture;
        }
    }

    void textFitsTheBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("height");
        QTest::newRow("one line") << QStringLiteral("Enter your name first!") << Msg::OkSet << 120;
        QTest::newRow("six lines") << QStringLiteral("1\n2\n3\n4\n5\n6") << Msg::OkSet << 153;
        QTest::newRow("six lines question")
            << QStringLiteral("1\n2\n3\n4\n5\n6") << Msg::QuestionSet << 153;
        QTest::newRow("twelve lines") << QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12")
                                      << Msg::OkSet << 120 + 9 * 11;
        QTest::newRow("resources text") << Res::Text("NameDelimiterError") << Msg::OkSet << -1;
        QTest::newRow("empty") << QString() << Msg::OkSet << 120;
    }

    void textFitsTheBox()
    {
        QFETCH(QString, text);
        QFETCH(int, buttons);
        QFETCH(int, height);
        TCiclaraMessageForm box;
        box.Prepare(text, Msg::Error, buttons);
        if (height > 0)
            QCOMPARE(box.height(), height);
        else
            QCOMPARE(box.height(),
                     MessageBoxSize(buttons, box.LineCount(), 11, Ui::ScaleFactor(96)).height());
        auto* label = box.findChild<QLabel*>(QStringLiteral("MessageLabel"));
        auto* image = box.findChild<QLabel*>(QStringLiteral("MessageImage"));
        auto* memo = box.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(image->size(), QSize(59, 64));
        QCOMPARE(memo->geometry(), label->geometry());
        QCOMPARE(memo->toPlainText(), text);
        QVERIFY(!memo->isVisibleTo(&box));
        // All lines fit the label; picture and label stay clear of the buttons.
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QPushButton* visibleButton = button(&box, buttons & Msg::mbOK ? "OkBtn" : "YesBtn");
        QVERIFY(label->geometry().bottom() < visibleButton->geometry().top());
        QVERIFY(image->geometry().bottom() < visibleButton->geometry().top());
        QVERIFY(label->geometry().right() < box.width());
        QVERIFY(visibleButton->geometry().bottom() < box.height());
    }

    void textIsNeverMarkup()
    {
        TCiclaraMessageForm box;
        box.Prepare(QStringLiteral("The <b>Anna</b> already exists."), Msg::Error, Msg::OkSet);
        auto* label = box.findChild<QLabel*>(QStringLiteral("MessageLabel"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), QStringLiteral("The <b>Anna</b> already exists."));
    }

    void boxIsReusedAndCentredOverTheMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 130, 755, 540);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        Ui::SetMainWindow(
            &main, [] { return 66; }, [] { return 20; });
        QList<TCiclaraMessageForm*> boxes;
        QList<QPoint> positions;
        QVERIFY(main.frameGeometry() != main.geometry()); // frame and client are told apart
        for (int i = 0; i < 2; ++i) {
            OnNextBox([&](TCiclaraMessageForm* box) {
                boxes << box;
                positions << box->pos();
                QTest::mouseClick(button(box, "OkBtn"), Qt::LeftButton);
            });
            QCOMPARE(ShowMessageBox(QStringLiteral("Saved."), Msg::Information, 0, 0, Msg::OkSet),
                     1);
        }
        Ui::SetMainWindow(nullptr, nullptr, nullptr);
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0], boxes[1]);
        QCOMPARE(boxes[0]->objectName(), QStringLiteral("CiclaraMessageForm"));
        // 250 x 120 over the 755 x 540 client area of the window
        const QRect frame = main.frameGeometry();
        QCOMPARE(positions[0], QPoint(100 + frame.width() / 2 - 125, 270 + frame.top() + 66 - 60));
    }

    void messageWhileTheBoxIsOpenGetsItsOwnBox()
    {
        int inner = 0;
        QString outerTextAfterInner;
        OnNextBox([&](TCiclaraMessageForm* outer) {
            OnNextBox(
                [](TCiclaraMessageForm* box) {
                    QTest::mouseClick(button(box, "OkBtn"), Qt::LeftButton);
                },
                outer);
            inner = ShowMessageBox(QStringLiteral("Inner"), Msg::Information, 0, 0, Msg::OkSet);
            outerTextAfterInner = outer->findChild<QLabel*>(QStringLiteral("MessageLabel"))->text();
            QTest::mouseClick(button(outer, "NoBtn"), Qt::LeftButton);
        });
        QCOMPARE(
            ShowMessageBox(QStringLiteral("Outer?"), Msg::Confirmation, 0, 0, Msg::QuestionSet), 7);
        QCOMPARE(inner, 1);
        QCOMPARE(outerTextAfterInner, QStringLiteral("Outer?"));
    }
};

QTEST_MAIN(TestMessageForm)
#include "tst_messageform.moc"
