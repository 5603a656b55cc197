// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraMessageU.h"

#include "HotSincingTexts.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextLayout>

#include <cstdlib>

void RegisterProgramFonts()
{
    const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const char* const files[] = {"Quorvfn.fon", "Quorvfn.ttf", "Quorvfn.otf"};
    for (const char* file : files) {
        const QString path = dir + QLatin1String(file);
        if (QFileInfo::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    // Substitutes are used only when the family itself is not installed.
    const QString fallback = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitution(QStringLiteral("Quorventale F"), fallback);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), fallback);
}

QFont ProgramTextFont()
{
    QFont font(QStringLiteral("Quorventale F"));
    font.setPixelSize(11);
    return font;
}

QSize MessageBoxSize(Msg::Buttons buttons, int lineCount, int fontPixelHeight, float scale)
{
    using namespace MessageBoxLayout;
    const int width = (buttons & Msg::mbOK) ? WidthWithOk : WidthWithYesNo;
    const int h0 = BaseHeight + Ui::ScaleDelta(BaseHeight, scale);
    const int height = lineCount < 4 ? h0 : h0 + (lineCount - 3) * std::abs(fontPixelHeight);
    return QSize(width, height);
}

int WrappedLineCount(const QString& text, const QFont& font, int width)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList paragraphs = text.split(lineBreak);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    int lines = 0;
    for (const QString& paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            ++lines;
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return lines;
}

namespace {

QString captionOf(int kind)
{
    switch (kind) {
    case Msg::Error:
        return Res::Text("CiclaraError");
    case Msg::Information:
        return Res::Text("CiclaraInformation");
    case Msg::Confirmation:
        return Res::Text("CiclaraConfirmation");
    default:
        return Res::Text("CiclaraWarning");
    }
}

// A round badge with a soft shadow and a light top-left sheen.
void paintBadge(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(r.translated(1.5, 2.5));
    QRadialGradient fill(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.75);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setBrush(fill);
    p.setPen(QPen(dark.darker(130), 1.2));
    p.drawEllipse(r);
}

void paintGlyph(QPainter& p, const QRectF& r, const QString& glyph, const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(r.height() * 0.62));
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const QRectF b = path.boundingRect();
    path.translate(r.center() - b.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

} // namespace

QPixmap TCiclaraMessageForm::KindPicture(int kind)
{
    using namespace MessageBoxLayout;
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(PictureWidth, PictureHeight) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(4.5, 7.5, 48, 48);

    switch (kind) {
    case Msg::Error: {
        paintBadge(p, badge, QColor(0xF2, 0x6B, 0x66), QColor(0xC0, 0x22, 0x22));
        QPen cross(Qt::white, 6.5, Qt::SolidLine, Qt::RoundCap);
        p.setPen(cross);
        const QPointF c = badge.center();
        const qreal d = 10.5;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        break;
    }
    case Msg::Information:
        paintBadge(p, badge, QColor(0x6A, 0xB7, 0xF5), QColor(0x15, 0x65, 0xC0));
        paintGlyph(p, badge, QStringLiteral("i"), Qt::white);
        break;
    case Msg::Confirmation:
        paintBadge(p, badge, QColor(0x5F, 0xC8, 0xB8), QColor(0x00, 0x79, 0x6B));
        paintGlyph(p, badge, QStringLiteral("?"), Qt::white);
        break;
    default: {
        // A warning triangle with rounded corners.
        QPainterPath triangle;
        const QPointF top(29.5, 8), left(4.5, 53), right(54.5, 53);
        triangle.moveTo(top);
        triangle.lineTo(right);
        triangle.lineTo(left);
        triangle.closeSubpath();
        QPainterPathStroker rounder;
        rounder.setWidth(6);
        rounder.setJoinStyle(Qt::RoundJoin);
        const QPainterPath shape = triangle.united(rounder.createStroke(triangle)).simplified();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPath(shape.translated(1.5, 2.5));
        QLinearGradient fill(0, 8, 0, 56);
        fill.setColorAt(0, QColor(0xFF, 0xE0, 0x70));
        fill.setColorAt(1, QColor(0xF5, 0xA6, 0x00));
        p.setBrush(fill);
        p.setPen(QPen(QColor(0xB8, 0x76, 0x00), 1.2));
        p.drawPath(shape);
        // The exclamation mark: a tapering bar and a dot.
        const QColor ink(0x3A, 0x2A, 0x00);
        QPainterPath bar;
        bar.moveTo(26.2, 21);
        bar.lineTo(32.8, 21);
        bar.lineTo(31.2, 40);
        bar.lineTo(27.8, 40);
        bar.closeSubpath();
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(bar);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(29.5, 46), 3.3, 3.3);
        break;
    }
    }
    return pixmap;
}

TCiclaraMessageForm::TCiclaraMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    using namespace MessageBoxLayout;
    setObjectName(QStringLiteral("CiclaraMessageForm"));
    setModal(true);

    for (int kind = Msg::Warning; kind <= Msg::Confirmation; ++kind)
        m_images << KindPicture(kind);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("MessageImage"));
    m_image->setFixedSize(PictureWidth, PictureHeight);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("MessageLabel"));
    m_label->setTextFormat(Qt::PlainText); // message texts hold user names: never markup
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setFont(ProgramTextFont());

    // Kept for the layout's sake; the line count comes from the same wrapping as the label.
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setReadOnly(true);
    m_memo->setFont(ProgramTextFont());
    m_memo->setVisible(false);

    auto makeButton = [this](const char* name, const QString& caption, int result) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(ButtonWidth, ButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        return button;
    };
    m_ok = makeButton("OkBtn", tr("OK"), Msg::mrOk);
    m_yes = makeButton("YesBtn", tr("&Yes"), Msg::mrYes);
    m_no = makeButton("NoBtn", tr("&No"), Msg::mrNo);
    m_ok->setDefault(true);
    m_yes->setDefault(true);

    setFixedSize(WidthWithOk, BaseHeight);
}

void TCiclaraMessageForm::Prepare(const QString& text, int kind, Msg::Buttons buttons)
{
    using namespace MessageBoxLayout;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    QString shown = text;
    shown.replace(lineBreak, QStringLiteral("\n"));

    const bool okAlone = buttons & Msg::mbOK;
    const int width = okAlone ? WidthWithOk : WidthWithYesNo;
    m_label->setText(shown);
    m_memo->setPlainText(shown);
    m_lineCount = WrappedLineCount(shown, m_label->font(), LabelWidth(width));

    m_image->clear();
    const int k = (kind >= Msg::Warning && kind <= Msg::Confirmation) ? kind : int(Msg::Warning);
    setWindowTitle(captionOf(k));
    m_image->setPixmap(m_images.at(k));

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    const int fontHeight = m_label->font().pixelSize() > 0 ? m_label->font().pixelSize()
                                                           : QFontMetrics(m_label->font()).ascent();
    setFixedSize(MessageBoxSize(buttons, m_lineCount, fontHeight, Ui::ScaleFactor(dpi)));

    m_ok->setVisible(okAlone);
    m_yes->setVisible(!okAlone);
    m_no->setVisible(!okAlone);
    (okAlone ? m_ok : m_yes)->setFocus();
    layoutControls();
}

int TCiclaraMessageForm::Execute(const QString& text, int kind, Msg::Buttons buttons)
{
    Prepare(text, kind, buttons);
    if (Ui::MainWindow()) {
        Ui::CentreOverMainWindow(this);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    return exec();
}

void TCiclaraMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Esc answers No; a statement has no cancel button, so Esc does nothing there.
        if (m_no->isVisible())
            done(Msg::mrNo);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCiclaraMessageForm::reject()
{
    // Only the title bar's close button gets here (Esc is handled above).
    done(Msg::mrCancel);
}

void TCiclaraMessageForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

void TCiclaraMessageForm::layoutControls()
{
    using namespace MessageBoxLayout;
    const int w = width();
    const int h = height();
    const int buttonTop = h - ButtonBottomMargin - ButtonHeight;
    const int textBottom = buttonTop - Margin;
    const QRect text(LabelLeft, Margin, LabelWidth(w), qMax(0, textBottom - Margin));
    m_label->setGeometry(text);
    m_memo->setGeometry(text);
    const int pictureTop = Margin + qMax(0, (text.height() - PictureHeight) / 2);
    m_image->move(Margin, pictureTop);

    m_ok->move((w - ButtonWidth) / 2, buttonTop);
    const int pairLeft = (w - 2 * ButtonWidth - ButtonGap) / 2;
    m_yes->move(pairLeft, buttonTop);
    m_no->move(pairLeft + ButtonWidth + ButtonGap, buttonTop);
}

TCiclaraMessageForm* InstallMessageBoxHandler(QWidget* parent)
{
    auto* box = new TCiclaraMessageForm(parent);
    if (!parent && qApp)
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, box, [box] { delete box; });
    QPointer<TCiclaraMessageForm> shared(box);
    Msg::SetHandler([shared](const QString& text, int kind, Msg::Buttons buttons) {
        if (shared && !shared->isVisible())
            return shared->Execute(text, kind, buttons);
        // The shared box is busy with another message (or gone): use one of its own.
        TCiclaraMessageForm own(shared ? shared->parentWidget() : nullptr);
        return own.Execute(text, kind, buttons);
    });
    return box;
}
