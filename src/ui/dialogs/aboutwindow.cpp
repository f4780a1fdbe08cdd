#include "ui/dialogs/aboutwindow.h"

#include "ui/art/artwork.h"
#include "ui/dialogs/formmetrics.h"
#include "ui/dialogs/splashwindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextTable>

namespace tilvora::ui {

namespace {

QLabel* headerLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, unsigned rgb)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QFont serif(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Amiri"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Headings in the program's green and serif, a size apart from the text.
void styleHeadings(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCharFormat format;
        format.setFontFamilies(QStringList{QStringLiteral("Amiri"), QStringLiteral("DejaVu Serif")});
        format.setFontPointSize(level == 1 ? 17 : 13.5);
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor::fromRgb(palette::kGreen));
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.mergeCharFormat(format);
        QTextBlockFormat spacing;
        spacing.setTopMargin(level == 1 ? 0 : 10);
        spacing.setBottomMargin(4);
        cursor.mergeBlockFormat(spacing);
    }
}

// Links in the program's green: the page is cream in every theme, and the
// theme's own link colour is made for the theme's background.
void styleLinks(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.isValid() || !part.charFormat().isAnchor())
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(part.position());
            cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setForeground(QColor::fromRgb(palette::kGreen));
            format.setFontUnderline(true);
            cursor.mergeCharFormat(format);
        }
    }
}

// Tables with single fine gold rules and a shaded heading row.
void styleTables(QTextDocument* document)
{
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        QTextTableFormat format = table->format();
        format.setBorderCollapse(true);
        format.setBorder(0.8);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor::fromRgb(0xd8c48a));
        format.setCellSpacing(0);
        format.setCellPadding(4);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat heading = cell.format();
            heading.setBackground(QColor::fromRgb(0xf3ead0));
            cell.setFormat(heading);
        }
    }
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QString());
    setModal(true);
    setFont(formFont(9));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(formPixels(this, 12255), formPixels(this, 8400));

    // The header lies on the picture's green band, right of its medallion.
    const int band = std::min(122, height() * 24 / 100);
    const int textLeft = band * 80 / 100 + 44;
    auto* name
        = headerLabel(this, QStringLiteral("lblName"), QStringLiteral("Tilvora"), serif(34, true), palette::kCream);
    name->setGeometry(textLeft, 6, 360, 50);
    auto* role = headerLabel(
        this, QStringLiteral("lblRole"), tr("Quran reader and recitation player"), serif(17), palette::kPaleGold);
    role->setGeometry(textLeft, 54, 400, 26);
    auto* version
        = headerLabel(this, QStringLiteral("lblVersion"), SplashWindow::versionText(), formFont(9), palette::kPaleGold);
    version->setGeometry(textLeft, 82, 400, 20);

    // The credits are written on the picture's page.
    const QRect page(22, band + 16, width() - 44, height() - band - 36);
    m_credits = new QTextBrowser(this);
    m_credits->setObjectName(QStringLiteral("credits"));
    m_credits->setGeometry(page.adjusted(22, 16, -14, -52));
    m_credits->setFrameShape(QFrame::NoFrame);
    m_credits->setOpenExternalLinks(true);
    m_credits->viewport()->setAutoFillBackground(false);
    m_credits->setAttribute(Qt::WA_TranslucentBackground);
    m_credits->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; color: #23302b; }"));
    m_credits->document()->setDocumentMargin(2);
    m_credits->setMarkdown(creditsText());
    styleHeadings(m_credits->document());
    styleLinks(m_credits->document());
    styleTables(m_credits->document());

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    close->setFixedSize(96, 28);
    close->move(page.right() - 18 - close->width(), page.bottom() - 14 - close->height());
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* note = headerLabel(this, QStringLiteral("lblNote"),
        tr("Artwork and program by the Tilvora developers. Most translations are for "
           "non-commercial use only."),
        formFont(8), 0x5b5030);
    note->setGeometry(page.left() + 22, close->y(), close->x() - page.left() - 32, close->height());
    note->setWordWrap(true);
}

AboutWindow::~AboutWindow() = default;

QString AboutWindow::creditsText()
{
    // The text in the windows' language ("zh_CN", then "zh"), English when
    // that language has none.
    const QString language = QLocale().name();
    for (const QString& name : {QStringLiteral("about_") + language,
             QStringLiteral("about_") + language.section(QLatin1Char('_'), 0, 0), QStringLiteral("about")}) {
        QFile file(QStringLiteral(":/tilvora/%1.md").arg(name));
        if (file.open(QIODevice::ReadOnly))
            return QString::fromUtf8(file.readAll());
    }
    return tr("Tilvora shows the Quran with its translations and recites it.");
}

void AboutWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen, whatever window opened it.
    if (QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.deviceIndependentSize().toSize() != size()
        || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio))
        m_picture = aboutPixmap(size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace tilvora::ui
