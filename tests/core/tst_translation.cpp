// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotSincingTexts.h"
#include "StockPictures.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

const char* const Context = "THotSincingForm";

// The placeholders Res::Format fills, in the order they appear: the translation must keep
// both the kinds and the order, because arguments are handed out by position.
QStringList formatPlaceholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%(\\.\\d)?[sdf]"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

// The numbered placeholders of tr() texts; their order may change, their set may not.
QStringList numberedPlaceholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QString leadingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == QLatin1Char(' '))
        ++n;
    return text.right(n);
}

bool hasCyrillic(const QString& text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

// One message of the translation source.
struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<TsMessage> readTsFile(const QString& path, QString* error)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage current;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = TsMessage();
            current.context = context;
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTranslator> m_module;

    void installModule()
    {
        m_module = std::make_unique<QTranslator>();
        QVERIFY2(m_module->load(QStringLiteral(CICLARA_BGR)), CICLARA_BGR);
        QVERIFY(QCoreApplication::installTranslator(m_module.get()));
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        if (m_module)
            QCoreApplication::removeTranslator(m_module.get());
        m_module.reset();
        m_home.reset();
    }

    void withoutModuleTextsAreEnglish()
    {
        for (const Res::Entry& e : Res::Entries())
            QCOMPARE(Res::Text(e.name), QString::fromUtf8(e.text));
        QCOMPARE(Res::Text("TemperatureCaptionF"), QStringLiteral("Temperature \u00b0F"));
    }

    void moduleIsBulgarian()
    {
        installModule();
        QCOMPARE(m_module->language(), QStringLiteral("bg_BG"));
    }

    void labelsComeBackInBulgarian_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ovulation")
            << QByteArray("CVOvulationCaption") << QVariantList() << QStringLiteral("Овулация");
        QTest::newRow("warning caption shares the error text")
            << QByteArray("CiclaraWarning") << QVariantList() << QStringLiteral("Грешка в Ciclara");
        QTest::newRow("degree sign before a hex letter")
            << QByteArray("TemperatureCaptionF") << QVariantList()
            << QStringLiteral("Температура °F");
        QTest::newRow("period with days")
            << QByteArray("CVPeriodCaption") << QVariantList{QStringLiteral("5")}
            << QStringLiteral("Менструация 5 дни");
        QTest::newRow("line break kept")
            << QByteArray("ExistingUserError") << QVariantList{QStringLiteral("Maria")}
            << QStringLiteral("Потребителят Maria вече съществува.\nМоля, изберете друго име.");
        QTest::newRow("escaped characters")
            << QByteArray("NameDelimiterError") << QVariantList()
            << QStringLiteral("Потребителското име не може да съдържа нито един от следните "
                              "знаци:\n\\ / : * ? \" < > | ");
        QTest::newRow("numbers in order")
            << QByteArray("WResultText")
            << QVariantList{1.7, QStringLiteral("м"), 61.4, QStringLiteral("кг")}
            << QStringLiteral("При ръст 1.70 м идеалното ви тегло е 61.4 кг.");
    }

    void labelsComeBackInBulgarian()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariantList, args);
        QFETCH(QString, expected);
        installModule();
        QCOMPARE(Res::Text(name.constData(), args), expected);

        // Releasing the module brings the built-in English back.
        QCoreApplication::removeTranslator(m_module.get());
        for (const Res::Entry& e : Res::Entries()) {
            if (name == e.name)
                QCOMPARE(Res::Text(e.name), QString::fromUtf8(e.text));
        }
    }

    void cycleViewHintsComeBackInBulgarian()
    {
        const QString english = StockPictures::Hint(CycleView::StepBmp);
        installModule();
        const QString bulgarian = StockPictures::Hint(CycleView::StepBmp);
        QVERIFY(bulgarian != english);
        QVERIFY(bulgarian.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))));
    }

    void everyResourcesTextIsTranslated()
    {
        installModule();
        QStringList problems;
        for (const Res::Entry& e : Res::Entries()) {
            const QString english = QString::fromUtf8(e.text);
            const QString direct = m_module->translate(Context, e.text);
            const QString shown = Res::Text(e.name);
            const QString label = QString::fromLatin1(e.name) + QStringLiteral(": ");
            if (direct.isEmpty()) {
                problems << label + QStringLiteral("no translation");
                continue;
            }
            if (shown != direct)
                problems << label + QStringLiteral("Res::Text does not return the module's text");
            if (!hasCyrillic(direct))
                problems << label + QStringLiteral("not Bulgarian: ") + direct;
            if (formatPlaceholders(direct) != formatPlaceholders(english))
                problems << label + QStringLiteral("placeholders ") +
                                formatPlaceholders(direct).join(QLatin1Char(' ')) +
                                QStringLiteral(" instead of ") +
                                formatPlaceholders(english).join(QLatin1Char(' '));
            if (direct.count(QLatin1Char('\n')) != english.count(QLatin1Char('\n')))
                problems << label + QStringLiteral("line breaks differ");
            if (leadingBlanks(direct) != leadingBlanks(english) ||
                trailingBlanks(direct) != trailingBlanks(english))
                problems << label + QStringLiteral("leading or trailing blanks differ");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Every message of the source file, not only the resources texts: finished, compiled
    // into the module, and with the placeholders, accelerator, line breaks and edge blanks
    // the screens rely on.
    void everyMessageOfTheSourceIsSound()
    {
        installModule();
        QString error;
        const QList<TsMessage> messages = readTsFile(QStringLiteral(CICLARA_TS), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList problems;
        for (const TsMessage& m : messages) {
            const QString label =
                m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
            if (m.unfinished || m.translation.isEmpty()) {
                problems << label + QStringLiteral("not translated");
                continue;
            }
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            if (m_module->translate(context.constData(), source.constData()) != m.translation)
                problems << label + QStringLiteral("compiled module differs from the source");
            if (formatPlaceholders(m.translation) != formatPlaceholders(m.source) ||
                numberedPlaceholders(m.translation) != numberedPlaceholders(m.source))
                problems << label + QStringLiteral("placeholders differ");
            const bool sourceAccel = m.source.contains(QRegularExpression(QStringLiteral("&[^&]")));
            const bool translationAccel =
                m.translation.contains(QRegularExpression(QStringLiteral("&[^&]")));
            if (sourceAccel != translationAccel)
                problems << label + QStringLiteral("accelerator added or lost");
            if (m.translation.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
                problems << label + QStringLiteral("line breaks differ");
            if (leadingBlanks(m.translation) != leadingBlanks(m.source) ||
                trailingBlanks(m.translation) != trailingBlanks(m.source))
                problems << label + QStringLiteral("leading or trailing blanks differ");
            if (m.source.startsWith(QLatin1Char('|')) != m.translation.startsWith(QLatin1Char('|')))
                problems << label + QStringLiteral("hint bar differs");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
