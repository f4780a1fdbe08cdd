// Every text and control of the player strip and of the windows beside the
// main window stands out from what it is drawn on by at least 4.5:1, in
// every theme: as the palette says, and as the strip is actually painted.

#include "pages/readingtheme.h"
#include "playback/verseplayer.h"
#include "ui/art/artwork.h"
#include "ui/dialogs/aboutwindow.h"
#include "ui/dialogs/mediafolderdialog.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/reading/readingcomfort.h"
#include "ui/recitation/gstaudioplayer.h"
#include "ui/recitation/playerstrip.h"
#include "ui/recitation/repeatdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tilvora::ui {
namespace {

using palette::contrastRatio;

constexpr double kAA = 4.5;

std::string nameOf(const QWidget* widget, pages::Theme theme)
{
    return (pages::themeName(theme) + QLatin1Char(' ') + QString::fromLatin1(widget->metaObject()->className())
        + QLatin1Char(' ') + widget->objectName())
        .toStdString();
}

// The colour of a widget's text against the colour the widget is drawn on,
// as its palette gives them.
void expectLegiblePalette(QWidget& window, pages::Theme theme)
{
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.append(&window);
    for (QWidget* widget : widgets) {
        const QPalette& colours = widget->palette();
        const auto raised = qobject_cast<QToolButton*>(widget);
        // A flat button is drawn on its parent's background.
        const QPalette::ColorRole background
            = raised && raised->autoRaise() ? QPalette::Window : widget->backgroundRole();
        EXPECT_GE(contrastRatio(colours.color(widget->foregroundRole()), colours.color(background)), kAA)
            << nameOf(widget, theme);
    }
}

// The colour of the painted pixels that stand out most from the background.
double paintedContrast(QWidget& widget, const QColor& background)
{
    const QImage picture = widget.grab().toImage();
    double best = 1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            best = std::max(best, contrastRatio(picture.pixelColor(x, y), background));
    return best;
}

class ContrastTest : public ::testing::TestWithParam<pages::Theme> {
protected:
    void SetUp() override { QApplication::setPalette(ReadingComfort::windowPalette(GetParam())); }
    void TearDown() override { QApplication::setPalette(ReadingComfort::windowPalette(pages::Theme::Light)); }
};

TEST_P(ContrastTest, TheStripsTextsAndGlyphsStandOut)
{
    // The strip shown in the Light theme, then the theme chosen.
    QApplication::setPalette(ReadingComfort::windowPalette(pages::Theme::Light));
    GstAudioPlayer player;
    playback::VersePlayer versePlayer(&player);
    PlayerStrip strip(&versePlayer);
    strip.resize(720, strip.sizeHint().height());
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    QApplication::setPalette(ReadingComfort::windowPalette(GetParam()));
    expectLegiblePalette(strip, GetParam());
    // As painted: the glyphs and the repeat caption on the strip's background.
    const QColor background = strip.palette().color(QPalette::Window);
    for (QAbstractButton* button : strip.findChildren<QAbstractButton*>())
        EXPECT_GE(paintedContrast(*button, background), kAA) << nameOf(button, GetParam());
}

TEST_P(ContrastTest, TheDialogsTextsStandOut)
{
    RepeatDialog repeat(QStringLiteral("1:1"), QStringLiteral("1:7"), {}, nullptr);
    expectLegiblePalette(repeat, GetParam());
    host::MediaFolderDialogRequest request;
    request.voiceDescription = QStringLiteral("Voice");
    MediaFolderDialog folders(request);
    expectLegiblePalette(folders, GetParam());
}

// The About and splash windows keep their own colours on their own
// pictures in every theme.
TEST_P(ContrastTest, TheAboutAndSplashWindowsTextsAndLinksStandOut)
{
    AboutWindow about;
    SplashWindow splash;
    about.ensurePolished();
    for (QWidget* window : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&splash)}) {
        const QImage picture
            = window == &about ? aboutPixmap(about.size()).toImage() : splashPixmap(splash.size()).toImage();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->autoFillBackground())
                continue;
            // The picture behind the label, on average.
            const QImage behind
                = picture.copy(label->geometry()).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_GE(contrastRatio(label->palette().color(QPalette::WindowText), behind.pixelColor(0, 0)), kAA)
                << nameOf(label, GetParam());
        }
    }
    // The credits: text and links on the cream page.
    auto* credits = about.findChild<QTextBrowser*>(QStringLiteral("credits"));
    ASSERT_NE(credits, nullptr);
    const QColor page = aboutPixmap(about.size()).toImage().pixelColor(credits->geometry().center());
    int links = 0;
    for (QTextBlock block = credits->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor ink = format.hasProperty(QTextFormat::ForegroundBrush)
                ? format.foreground().color()
                : credits->palette().color(format.isAnchor() ? QPalette::Link : QPalette::Text);
            links += format.isAnchor() ? 1 : 0;
            EXPECT_GE(contrastRatio(ink, page), kAA) << it.fragment().text().toStdString();
        }
    }
    EXPECT_GT(links, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, ContrastTest, ::testing::ValuesIn(pages::allThemes()),
    [](const auto& info) { return pages::themeName(info.param).toStdString(); });

} // namespace
} // namespace tilvora::ui
