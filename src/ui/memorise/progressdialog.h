#pragma once

#include "memorise/progress.h"
#include "pages/readingtheme.h"

#include <QDialog>

class QLabel;
class QWebEngineView;

namespace tilvora::ui {

// Where the reader stands: the counts in words, and a picture (SVG in a
// page of its own) of the 30 parts shaded by their share taken up and of
// the pages due on each of the next 14 days, in the theme's colours.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(const memorise::Progress& progress, QDate today, pages::Theme theme, QWidget* parent = nullptr);

    QLabel* summary() const { return m_summary; }
    QWebEngineView* chart() const { return m_chart; }

private:
    QLabel* m_summary = nullptr;
    QWebEngineView* m_chart = nullptr;
};

} // namespace tilvora::ui
