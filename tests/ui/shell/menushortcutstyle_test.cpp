// Menu shortcuts in a right-to-left menu read as they are typed.

#include "ui/shell/menushortcutstyle.h"

#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace tilvora::ui {
namespace {

// The style beneath, keeping the texts of the menu items it draws.
class RecordingStyle : public QProxyStyle {
public:
    mutable QStringList items;

    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option); item && element == CE_MenuItem)
            items << item->text;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Where the cursor before text[index] stands in a line of `direction`.
qreal cursorX(const QString& text, qsizetype index, Qt::LayoutDirection direction)
{
    QTextLayout layout(text, QFont());
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.cursorToX(static_cast<int>(index));
}

TEST(MenuShortcutStyle, AShortcutEndingInAPlusReadsAsTypedInARightToLeftMenu)
{
    auto* recording = new RecordingStyle;
    MenuShortcutStyle style(recording);
    QMenu menu;
    menu.setStyle(&style);
    menu.setLayoutDirection(Qt::RightToLeft);
    QAction* larger = menu.addAction(QStringLiteral("تكبير"));
    larger->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    menu.grab();

    ASSERT_FALSE(recording->items.isEmpty());
    const QString shortcut = recording->items.constFirst().section(QLatin1Char('\t'), 1);
    const qsizetype ctrl = shortcut.indexOf(QLatin1Char('C'));
    const qsizetype lastPlus = shortcut.lastIndexOf(QLatin1Char('+'));
    ASSERT_GE(ctrl, 0);
    // "Ctrl" first from the left and the plus signs after it, not "++Ctrl".
    EXPECT_LT(cursorX(shortcut, ctrl, Qt::RightToLeft), cursorX(shortcut, lastPlus, Qt::RightToLeft))
        << shortcut.toStdString();
}

} // namespace
} // namespace tilvora::ui
