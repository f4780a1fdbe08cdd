#include "ui/memorise/progressdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace tilvora::ui {

namespace {
// The page's background and the chart's colours: text at least 7:1 on the
// background, bars and shades in the program's green or the theme's brown.
struct ThemeColours {
    QString background;
    memorise::ChartColours chart;
};

ThemeColours coloursOf(pages::Theme theme)
{
    switch (theme) {
    case pages::Theme::Sepia:
        return {QStringLiteral("#f5ecd6"),
            {QStringLiteral("#33281a"), QStringLiteral("#9a8a6a"), QStringLiteral("#7d4f22")}};
    case pages::Theme::Dark:
        return {QStringLiteral("#1e1e1e"),
            {QStringLiteral("#e6e3dc"), QStringLiteral("#777777"), QStringLiteral("#5fbf86")}};
    case pages::Theme::Light:
        break;
    }
    return {
        QStringLiteral("#ffffff"), {QStringLiteral("#111111"), QStringLiteral("#999999"), QStringLiteral("#2e7d4f")}};
}
} // namespace

ProgressDialog::ProgressDialog(const memorise::Progress& progress, QDate today, pages::Theme theme, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(tr("Progress"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("ProgressSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setText(tr("Verses learnt: %1 (and %2 being learnt).\nPages learnt whole: %3.\n"
                          "Days in a row with a review: %4.")
                           .arg(progress.versesLearnt)
                           .arg(progress.versesLearning)
                           .arg(progress.pagesLearnt)
                           .arg(progress.daysInARow));
    m_summary->setFocusPolicy(Qt::TabFocus);
    m_chart = new QWebEngineView(this);
    m_chart->setObjectName(QStringLiteral("ProgressChart"));
    m_chart->setAccessibleName(tr("Share of each part taken up, and pages due on each of the next 14 days"));
    m_chart->setContextMenuPolicy(Qt::NoContextMenu);
    const ThemeColours colours = coloursOf(theme);
    const QString html
        = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>body { margin: 12px; "
                         "background: %1; }</style></head><body>%2</body></html>")
              .arg(colours.background,
                  memorise::progressSvg(progress, colours.chart, today,
                      tr("Each part: the share of its verses you are learning"),
                      tr("Pages due on each of the next 14 days")));
    m_chart->setHtml(html);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_chart, 1);
    layout->addWidget(buttons);
    resize(600, 660);
}

} // namespace tilvora::ui
