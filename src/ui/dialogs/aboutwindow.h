#pragma once

#include <QDialog>
#include <QPixmap>

class QTextBrowser;

namespace tilvora::ui {

// The About window (FrmAbout): a fixed tool window without a title, closed by
// its close button (or Esc, or its Close button), whose page carries the
// program's name and version and the sources of the built-in content with
// their licences. The window shows it modally, with exec().
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    // The sources and licences as shown (Markdown).
    static QString creditsText();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* m_credits = nullptr;
    QPixmap m_picture;
};

} // namespace tilvora::ui
