#include "readingtheme.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

namespace {

// Light: the page's own colours (its text is black, its bands as written in
// the page's style sheet); only the headings and matches take these.
const ThemeColours kLight{
    u"#ffffff"_s,
    u"#000000"_s,
    u"#1f4e79"_s,
    u"#0000ee"_s,
    u"#ffffff"_s,
    u"#ffffff"_s,
    {u"#dcf3dc"_s, u"#faf0e6"_s, u"#f0f8ff"_s, u"#ededed"_s},
    u"#fbeeb8"_s,
    u"#2f4f4f"_s,
    u"#ffe066"_s,
    u"#ff9f1c"_s,
    u"#000000"_s,
    u"#0b5cad"_s,
};
const ThemeColours kSepia{
    u"#f4ecd8"_s,
    u"#3b2f1e"_s,
    u"#6b3200"_s,
    u"#6b3200"_s,
    u"#fbf5e6"_s,
    u"#d9c9a3"_s,
    {u"#e9e6c6"_s, u"#f6e3cb"_s, u"#e5e2d6"_s, u"#eee4d0"_s},
    u"#f3dca8"_s,
    u"#5b4636"_s,
    u"#ffd76a"_s,
    u"#f0a030"_s,
    u"#000000"_s,
    u"#7a3a00"_s,
};
const ThemeColours kDark{
    u"#1b1c1f"_s,
    u"#e8e6e3"_s,
    u"#9cc8ff"_s,
    u"#8ab4f8"_s,
    u"#2a2b2f"_s,
    u"#3c3f44"_s,
    {u"#1f3326"_s, u"#3a2c22"_s, u"#1f2d40"_s, u"#2e2e30"_s},
    u"#3d3a1e"_s,
    u"#3c4a5a"_s,
    u"#5a4300"_s,
    u"#8a3f00"_s,
    u"#ffffff"_s,
    u"#9cc8ff"_s,
};

// Scroll bars and the engine's own controls follow a dark page.
QString colourScheme(const ThemeColours& c)
{
    return contrastRatio(c.page, u"#000000"_s) < contrastRatio(c.page, u"#ffffff"_s)
        ? u":root { color-scheme: dark; }\n"_s
        : QString();
}

QString cellRules(const ThemeColours& c)
{
    QString css = colourScheme(c);
    css += u"html, body { background-color: %1 !important; color: %2 !important; }\n"_s.arg(c.page, c.text);
    for (int order = 0; order < 4; ++order) {
        const QString& band = c.bands[static_cast<std::size_t>(order)];
        css += u".CSS%1 { background-color: %2 !important; color: %3 !important; border-color: %4 !important; }\n"_s
                   .arg(order)
                   .arg(band, c.text, c.page);
        css += u".CSS%1_Sel { background-color: %2 !important; color: %3 !important; border-color: %4 !important; }\n"_s
                   .arg(order)
                   .arg(band, c.focusText, c.page);
    }
    css += u"table.sura { border-color: %1 !important; }\n"_s.arg(c.border);
    // The verse being recited is marked with a light tint made for the
    // page's own colours; here it takes a band of the theme's.
    css += u"html table.tilvora-reciting td { background-image: none !important; background-color: %1 !important; }\n"_s
               .arg(c.reciting);
    return css;
}

// The rules every theme adds to the reading pane: headings and matches.
QString headingAndMarkRules(const ThemeColours& c)
{
    QString css;
    css += u".tilvora-heading { display: block; box-sizing: border-box; margin: 10px auto 2px; padding: 6px 12px;"
           u" background-color: %1; color: #ffffff; font-family: 'DejaVu Sans', sans-serif; font-size: 15px;"
           u" direction: ltr; text-align: center; border-radius: 3px; }\n"_s.arg(c.heading);
    css += u".tilvora-heading .tilvora-heading-arabic { font-family: Amiri, 'Noto Naskh Arabic', serif;"
           u" font-size: 20px; margin-left: 10px; }\n"_s;
    css += u"mark.tilvora-match { background-color: %1; color: %2; border-radius: 2px; }\n"_s.arg(c.mark, c.markText);
    css += u"mark.tilvora-match.tilvora-current { background-color: %1; outline: 2px solid %2; }\n"_s.arg(
        c.currentMark, c.markText);
    // The keyboard's verse cursor, while the pane has the focus: a ring in
    // the page's colour and one in the focus colour, raised above the next
    // verse so that it shows whole.
    css += u"html.tilvora-pane-focus table.tilvora-cursor { position: relative; z-index: 1;"
           u" box-shadow: 0 0 0 2px %1, 0 0 0 5px %2 !important; }\n"_s.arg(c.page, c.focusRing);
    return css;
}

double channelLuminance(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::optional<double> relativeLuminance(const QString& colour)
{
    if (colour.size() != 7 || colour[0] != u'#')
        return std::nullopt;
    bool ok = false;
    const uint rgb = QStringView(colour).mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return 0.2126 * channelLuminance(int((rgb >> 16) & 0xff)) + 0.7152 * channelLuminance(int((rgb >> 8) & 0xff))
        + 0.0722 * channelLuminance(int(rgb & 0xff));
}

} // namespace

const QList<Theme>& allThemes()
{
    static const QList<Theme> themes{Theme::Light, Theme::Sepia, Theme::Dark};
    return themes;
}

const ThemeColours& themeColours(Theme theme)
{
    switch (theme) {
    case Theme::Sepia:
        return kSepia;
    case Theme::Dark:
        return kDark;
    case Theme::Light:
        break;
    }
    return kLight;
}

QString themeName(Theme theme)
{
    switch (theme) {
    case Theme::Sepia:
        return u"Sepia"_s;
    case Theme::Dark:
        return u"Dark"_s;
    case Theme::Light:
        break;
    }
    return u"Light"_s;
}

std::optional<Theme> themeNamed(const QString& name)
{
    for (const Theme theme : allThemes()) {
        if (themeName(theme) == name)
            return theme;
    }
    return std::nullopt;
}

QString readingPaneStyle(Theme theme, const QString& arabicFont, const QList<int>& arabicOrders)
{
    const ThemeColours& colours = themeColours(theme);
    QString css = theme == Theme::Light ? QString() : cellRules(colours);
    css += headingAndMarkRules(colours);
    if (!arabicFont.isEmpty()) {
        QString family = arabicFont;
        family.remove(u'\'').remove(u'"').remove(u';').remove(u'{').remove(u'}');
        for (const int order : arabicOrders)
            css += u".CSS%1, .CSS%1_Sel { font-family: '%2', Amiri, serif !important; }\n"_s.arg(order).arg(family);
    }
    return css;
}

// A ring around the control with the keyboard's focus; the pages' own
// style takes the outline away.
QString focusRules(const ThemeColours& c)
{
    return u":focus-visible, input[type=checkbox]:focus-visible { outline: 2px solid %1 !important;"
           u" outline-offset: 1px !important; }\n"_s.arg(c.focusRing);
}

QString otherPaneStyle(Theme theme)
{
    const ThemeColours& c = themeColours(theme);
    // The pages' own colours draw a list's heading entry a shade too pale
    // to read (4.2:1): a darker brown of the same hue.
    if (theme == Theme::Light)
        return focusRules(c) + u"option[value=\"\"] { color: #6b5a3a !important; }\n"_s;
    QString css = colourScheme(c) + focusRules(c);
    css += u"html, body, table, td, th, p, div, span, font, label { background-color: %1 !important;"
           u" color: %2 !important; border-color: %3 !important; }\n"_s.arg(c.page, c.text, c.border);
    css += u"select, option, input, textarea { background-color: %1 !important; color: %2 !important;"
           u" border-color: %3 !important; }\n"_s.arg(c.field, c.text, c.border);
    // Buttons are painted with gradients: the colour replaces them.
    css += u"button, input[type=submit], input[type=button] { background: %1 !important; color: %2 !important;"
           u" border-color: %3 !important; }\n"_s.arg(c.field, c.text, c.border);
    css += u"a, a:visited { color: %1 !important; }\n"_s.arg(c.link);
    return css;
}

double contrastRatio(const QString& first, const QString& second)
{
    const auto a = relativeLuminance(first);
    const auto b = relativeLuminance(second);
    if (!a || !b)
        return 0;
    const double lighter = std::max(*a, *b);
    const double darker = std::min(*a, *b);
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace tilvora::pages
