#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace tilvora::pages {

// The reader's choice of colours for the panes. Light is the pages' own look;
// Sepia and Dark are style sheets that the panes add to each page, the page
// files staying as they are.
enum class Theme { Light, Sepia, Dark };

// The colours of one theme, as CSS hex colours ("#rrggbb").
struct ThemeColours {
    QString page; // the page behind the verses, and the picker panes
    QString text; // the body text
    QString focusText; // a verse cell with the focus
    QString link;
    QString field; // lists and text fields of the picker and control panes
    QString border;
    // The background of each text's band, by display order 0..3.
    std::array<QString, 4> bands;
    QString reciting; // the bands of the verse being recited
    QString heading; // a chapter heading's band
    QString mark; // a search match
    QString currentMark; // the match F3 went to
    QString markText;
    // The ring around the control or verse that has the keyboard's focus.
    QString focusRing;
};

const QList<Theme>& allThemes();
const ThemeColours& themeColours(Theme theme);
// "Light", "Sepia", "Dark": the name shown in the View menu and remembered.
QString themeName(Theme theme);
std::optional<Theme> themeNamed(const QString& name);

// The reading pane's added style sheet: the theme's colours (nothing for
// Light, whose colours are the page's own), the chapter headings, the search
// matches, the keyboard's verse cursor, and the Arabic font (empty: the content's own) for the rows of
// the display orders in `arabicOrders`.
QString readingPaneStyle(Theme theme, const QString& arabicFont, const QList<int>& arabicOrders);

// The style sheet added to the other panes (pickers and control page): the
// theme's colours (none for Light) and, in every theme, a ring around the
// control that has the keyboard's focus.
QString otherPaneStyle(Theme theme);

// The contrast ratio of two colours ("#rrggbb"), from 1 to 21, as
// accessibility guidelines define it; 0 for a colour that is not "#rrggbb".
double contrastRatio(const QString& first, const QString& second);

} // namespace tilvora::pages
