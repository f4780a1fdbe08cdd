#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace tilvora::ui {

class ProgressStrip;

// The window shown while the main window loads (frmSplash): frameless,
// centred on the screen, its picture covering it, the version in the top
// right corner, a progress strip and two lines of text at the bottom.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    // Shows the window centred on the screen and paints it at once, so that
    // it is complete on the screen although the main window's loading then
    // keeps the program busy.
    void showNow();

    // The line at the bottom left (LblProgress), e.g. what is loading.
    void setProgressText(const QString& text);
    // Fills the progress strip to `percent` (0 to 100); empty at first.
    void setProgress(int percent);

    static QString versionText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintNow();

    QLabel* m_version = nullptr;
    QLabel* m_progressText = nullptr;
    QLabel* m_contact = nullptr;
    ProgressStrip* m_progress = nullptr;
    QPixmap m_picture;
};

} // namespace tilvora::ui
