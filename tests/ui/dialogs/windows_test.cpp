#include "playback/verseplayer.h"
#include "ui/dialogs/aboutwindow.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/recitation/gstaudioplayer.h"
#include "ui/recitation/playerstrip.h"

#include "version.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include "support/printing.h"

using tilvora::playback::VersePlayer;
using tilvora::ui::AboutWindow;
using tilvora::ui::GstAudioPlayer;
using tilvora::ui::PlayerStrip;
using tilvora::ui::SplashWindow;

namespace {

void saveArtifact(QWidget& widget, const char* name)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(TILVORA_ARTIFACTS_DIR)));
    EXPECT_TRUE(widget.grab().save(QStringLiteral(TILVORA_ARTIFACTS_DIR "/%1.png").arg(QLatin1String(name))));
}

TEST(SplashWindowTest, ShowsCentredWithoutFrameAndIsPaintedAtOnce)
{
    SplashWindow splash;
    splash.showNow();
    // Painted before the event loop runs again: the main window's loading
    // keeps the program busy right after this.
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect screen = splash.screen()->availableGeometry();
    EXPECT_LE((splash.frameGeometry().center() - screen.center()).manhattanLength(), 2);

    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
        QStringLiteral("Version: %1").arg(tilvora::shownVersion()));
    EXPECT_EQ(
        splash.findChild<QWidget*>(QStringLiteral("PgbProgress"))->toolTip(), QStringLiteral("Progress Indicator"));
    splash.setProgressText(QStringLiteral("Opening the content..."));
    splash.setProgress(60);
    EXPECT_EQ(
        splash.findChild<QLabel*>(QStringLiteral("LblProgress"))->text(), QStringLiteral("Opening the content..."));

    // Every label's text fits its box.
    for (QLabel* label : splash.findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
    saveArtifact(splash, "splash");
}

TEST(AboutWindowTest, CarriesTheVersionAndTheContentsSourcesAndLicences)
{
    AboutWindow about;
    EXPECT_TRUE(about.windowTitle().isEmpty());
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
        QStringLiteral("Version: %1").arg(tilvora::shownVersion()));

    // Written for a reader: the texts' sources and terms, not how the
    // content is built.
    const QString credits = about.findChild<QTextBrowser*>(QStringLiteral("credits"))->toPlainText();
    for (const char* source : {"Tanzil", "tanzil.net", "QuranEnc", "eSpeak NG", "non-commercial", "Amiri"})
        EXPECT_TRUE(credits.contains(QLatin1String(source))) << source;
    for (const char* builder : {"npm", "package", "build", ".sh"})
        EXPECT_FALSE(credits.contains(QLatin1String(builder), Qt::CaseInsensitive)) << builder;
}

TEST(AboutWindowTest, SpeaksTheWindowsLanguageAndEnglishForALanguageWithoutItsText)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English));
    const QString english = AboutWindow::creditsText();
    // Each shipped language's text, in its own script, keeping the sources'
    // addresses and licences as they are written.
    const std::pair<const char*, QChar::Script> languages[]{{"ar", QChar::Script_Arabic}, {"ur", QChar::Script_Arabic},
        {"id", QChar::Script_Latin}, {"tr", QChar::Script_Latin}, {"fr", QChar::Script_Latin},
        {"bn", QChar::Script_Bengali}, {"ru", QChar::Script_Cyrillic}, {"es", QChar::Script_Latin},
        {"zh_CN", QChar::Script_Han}};
    for (const auto& [code, script] : languages) {
        QLocale::setDefault(QLocale(QLatin1String(code)));
        const QString text = AboutWindow::creditsText();
        EXPECT_NE(text, english) << code;
        EXPECT_TRUE(std::any_of(text.cbegin(), text.cend(), [script](QChar c) { return c.script() == script; }))
            << code;
        for (const char* kept : {"https://tanzil.net", "https://quranenc.com", "CC BY-SA 4.0", "SIL Open Font License"})
            EXPECT_TRUE(text.contains(QLatin1String(kept))) << code << " " << kept;
    }
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(AboutWindow::creditsText(), english);
    QLocale::setDefault(before);
}

TEST(AboutWindowTest, IsModalAndClosesWithItsCloseButton)
{
    QWidget owner;
    owner.show();
    AboutWindow about(&owner);
    bool wasModal = false;
    bool ownerBlocked = false;
    QTimer::singleShot(0, &about, [&] {
        wasModal = about.isModal() && about.isVisible();
        ownerBlocked = QApplication::activeModalWidget() == &about;
        saveArtifact(about, "about");
        about.close(); // what the title bar's close button does
    });
    about.exec();
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(ownerBlocked);
    EXPECT_FALSE(about.isVisible());
}

TEST(PlayerStripScreenshot, EveryControlIsShownWholeInsideTheStrip)
{
    GstAudioPlayer player;
    VersePlayer versePlayer(&player);
    PlayerStrip strip(&versePlayer);
    strip.resize(720, strip.sizeHint().height());
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    int shown = 0;
    for (QWidget* control : strip.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&strip) || control->objectName().isEmpty())
            continue;
        ++shown;
        const QRect place(control->mapTo(&strip, QPoint(0, 0)), control->size());
        EXPECT_TRUE(strip.rect().contains(place)) << control->objectName().toStdString();
        EXPECT_GT(control->width(), 0) << control->objectName().toStdString();
    }
    EXPECT_GE(shown, 4); // the buttons, the times, the position and the volume at least
    // The picture shows more than the background.
    const QImage picture = strip.grab().toImage();
    const QRgb background = picture.pixel(0, 0);
    bool drawn = false;
    for (int y = 0; y < picture.height() && !drawn; ++y)
        for (int x = 0; x < picture.width() && !drawn; ++x)
            drawn = picture.pixel(x, y) != background;
    EXPECT_TRUE(drawn);
    saveArtifact(strip, "player_strip");
}

} // namespace
