#include "ui/recitation/playerstrip.h"

#include "playback/verseplayer.h"
#include "ui/art/artwork.h"
#include "ui/recitation/focusringstyle.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>

#include <algorithm>
#include <climits>

namespace tilvora::ui {

using playback::AudioPlayer;

namespace {

enum class Glyph { Play, Pause, Stop, Volume, Muted, Previous, Next };

// The strip's own button glyphs, in the program's green, made legible on
// `background` (the strip's window colour in the reader's theme).
QIcon glyphIcon(Glyph glyph, const QColor& background)
{
    const int side = 18;
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(side, side) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = palette::legibleOn(QColor::fromRgb(palette::kGreen), background);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        switch (glyph) {
        case Glyph::Play: {
            QPainterPath path;
            path.moveTo(5, 3);
            path.lineTo(15, 9);
            path.lineTo(5, 15);
            path.closeSubpath();
            painter.drawPath(path);
            break;
        }
        case Glyph::Pause:
            painter.drawRoundedRect(QRectF(4, 3.5, 3.6, 11), 0.8, 0.8);
            painter.drawRoundedRect(QRectF(10.4, 3.5, 3.6, 11), 0.8, 0.8);
            break;
        case Glyph::Stop:
            painter.drawRoundedRect(QRectF(4.5, 4.5, 9, 9), 1.2, 1.2);
            break;
        case Glyph::Previous:
        case Glyph::Next: {
            // A bar and a triangle pointing away from it: |< and >|.
            const bool next = glyph == Glyph::Next;
            QPainterPath path;
            path.moveTo(next ? 4 : 14, 4);
            path.lineTo(next ? 12 : 6, 9);
            path.lineTo(next ? 4 : 14, 14);
            path.closeSubpath();
            painter.drawPath(path);
            painter.drawRect(QRectF(next ? 12 : 4, 4, 2, 10));
            break;
        }
        case Glyph::Volume:
        case Glyph::Muted: {
            QPainterPath speaker;
            speaker.moveTo(2.5, 7);
            speaker.lineTo(5.5, 7);
            speaker.lineTo(9.5, 3.5);
            speaker.lineTo(9.5, 14.5);
            speaker.lineTo(5.5, 11);
            speaker.lineTo(2.5, 11);
            speaker.closeSubpath();
            painter.drawPath(speaker);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
            if (glyph == Glyph::Volume) {
                painter.drawArc(QRectF(7.5, 6, 5, 6), -60 * 16, 120 * 16);
                painter.drawArc(QRectF(7, 3.5, 9, 11), -60 * 16, 120 * 16);
            } else {
                painter.setPen(
                    QPen(palette::legibleOn(QColor::fromRgb(0xa0342b), background), 1.5, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(QPointF(11.5, 6.5), QPointF(16, 11.5));
                painter.drawLine(QPointF(16, 6.5), QPointF(11.5, 11.5));
            }
            break;
        }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// "m:ss", or "h:mm:ss" from an hour on.
QString clockText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = (seconds / 60) % 60;
    const qint64 rest = seconds % 60;
    // In the digits of the window's language.
    const QLocale locale;
    const auto twoDigits
        = [&locale](qint64 number) { return locale.toString(number).rightJustified(2, locale.zeroDigit().at(0)); };
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(locale.toString(hours), twoDigits(minutes), twoDigits(rest));
    return QStringLiteral("%1:%2").arg(locale.toString(minutes), twoDigits(rest));
}

// Right to left, the previous verse lies to the right and the next to the
// left, as the text runs: their arrows point that way.
Glyph shownGlyph(Glyph glyph, bool rightToLeft)
{
    if (rightToLeft && glyph == Glyph::Previous)
        return Glyph::Next;
    if (rightToLeft && glyph == Glyph::Next)
        return Glyph::Previous;
    return glyph;
}

QToolButton* stripButton(QWidget* parent, const QString& name, Glyph glyph)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(glyphIcon(glyph, parent->palette().color(QPalette::Window)));
    button->setIconSize(QSize(18, 18));
    button->setAutoRaise(true);
    button->setFixedSize(30, 30);
    return button;
}

} // namespace

PlayerStrip::PlayerStrip(playback::VersePlayer* versePlayer, QWidget* parent)
    : QWidget(parent), m_versePlayer(versePlayer), m_player(versePlayer->player())
{
    setObjectName(QStringLiteral("WinMediaPlayer"));

    m_playPause = stripButton(this, QStringLiteral("playPause"), Glyph::Play);
    m_stop = stripButton(this, QStringLiteral("stop"), Glyph::Stop);
    m_elapsed = new QLabel(clockText(0), this);
    m_elapsed->setObjectName(QStringLiteral("elapsed"));
    m_position = new QSlider(Qt::Horizontal, this);
    m_position->setObjectName(QStringLiteral("position"));
    m_position->setRange(0, 0);
    m_position->setMinimumWidth(60);
    m_position->setSingleStep(1000);
    m_position->setPageStep(5000);
    m_total = new QLabel(clockText(0), this);
    m_total->setObjectName(QStringLiteral("total"));
    m_mute = stripButton(this, QStringLiteral("mute"), Glyph::Volume);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(80);
    // In a narrow window the volume gives up room before anything is cut.
    m_volume->setMinimumWidth(40);
    m_volume->setMaximumWidth(80);
    m_player->setVolume(0.8F);

    // The sliders' filled part in the program's green.
    QPalette green = palette();
    green.setColor(QPalette::Highlight, QColor::fromRgb(palette::kTeal));
    for (QSlider* slider : {m_position, m_volume})
        slider->setPalette(green);

    // The time labels keep their width as the numbers change.
    const int clockWidth = fontMetrics().horizontalAdvance(QStringLiteral("0:00:00")) + 4;
    for (QLabel* label : {m_elapsed, m_total}) {
        label->setMinimumWidth(clockWidth);
        label->setAlignment(Qt::AlignCenter);
    }

    createRecitationControls();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 8, 2);
    row->setSpacing(4);
    row->addWidget(m_previous);
    row->addWidget(m_playPause);
    row->addWidget(m_next);
    row->addWidget(m_stop);
    row->addSpacing(4);
    row->addWidget(m_elapsed);
    row->addWidget(m_position, 1);
    row->addWidget(m_total);
    row->addSpacing(6);
    row->addWidget(m_repeat);
    row->addWidget(m_speed);
    row->addSpacing(6);
    row->addWidget(m_mute);
    row->addWidget(m_volume);
    // Tab goes through the strip as it is seen, left to right, and each
    // control shows when it has the focus.
    auto* ringed = new FocusRingStyle;
    ringed->setParent(this);
    m_previous->setStyle(ringed);
    QWidget* previous = m_previous;
    for (QWidget* next :
        std::initializer_list<QWidget*>{m_playPause, m_next, m_stop, m_position, m_repeat, m_speed, m_mute, m_volume}) {
        setTabOrder(previous, next);
        next->setStyle(ringed);
        previous = next;
    }

    connect(m_player, &AudioPlayer::mediaStatusChanged, this, &PlayerStrip::onMediaStatusChanged);
    connect(m_player, &AudioPlayer::playbackStateChanged, this, &PlayerStrip::onPlaybackStateChanged);
    connect(m_player, &AudioPlayer::durationChanged, this, &PlayerStrip::onDurationChanged);
    connect(m_player, &AudioPlayer::positionChanged, this, &PlayerStrip::onPositionChanged);
    connect(m_player, &AudioPlayer::errorOccurred, this, &PlayerStrip::onErrorOccurred);
    connect(m_playPause, &QToolButton::clicked, this, &PlayerStrip::onPlayPauseClicked);
    connect(m_stop, &QToolButton::clicked, this, [this] {
        m_versePlayer->stop();
        emit stopClicked();
    });
    connect(m_position, &QSlider::sliderMoved, this, [this](int value) { showTimes(value, m_player->duration()); });
    connect(m_position, &QSlider::sliderReleased, this, [this] { m_versePlayer->seek(m_position->value()); });
    connect(m_position, &QSlider::actionTriggered, this, &PlayerStrip::onSliderAction);
    connect(m_volume, &QSlider::valueChanged, this, &PlayerStrip::onVolumeChanged);
    connect(m_mute, &QToolButton::clicked, this, &PlayerStrip::onMuteClicked);
    retranslateUi();
    showGlyphs();
}

void PlayerStrip::createRecitationControls()
{
    m_previous = stripButton(this, QStringLiteral("previousVerse"), Glyph::Previous);
    m_next = stripButton(this, QStringLiteral("nextVerse"), Glyph::Next);
    connect(m_previous, &QToolButton::clicked, this, &PlayerStrip::previousVerseClicked);
    connect(m_next, &QToolButton::clicked, this, &PlayerStrip::nextVerseClicked);

    // The repeat control: a button that shows the counts and opens a small
    // form with them.
    m_repeat = new QToolButton(this);
    m_repeat->setObjectName(QStringLiteral("repeat"));
    m_repeat->setAutoRaise(true);
    auto* form = new QWidget(this);
    auto* fields = new QFormLayout(form);
    fields->setContentsMargins(8, 8, 8, 8);
    const auto spin = [form](const QString& name, int lowest, int highest, int step) {
        auto* box = new QSpinBox(form);
        box->setObjectName(name);
        box->setRange(lowest, highest);
        box->setSingleStep(step);
        return box;
    };
    m_verseRepeat = spin(QStringLiteral("verseRepeat"), 1, 999, 1);
    m_rangeRepeat = spin(QStringLiteral("rangeRepeat"), 0, 999, 1);
    m_rangeRepeat->setValue(1);
    m_gap = spin(QStringLiteral("gap"), 0, 60000, 250);
    m_repeatFields = fields;
    for (QSpinBox* box : {m_verseRepeat, m_rangeRepeat, m_gap})
        fields->addRow(new QLabel(form), box);
    auto* menu = new QMenu(m_repeat);
    auto* formAction = new QWidgetAction(menu);
    formAction->setDefaultWidget(form);
    menu->addAction(formAction);
    // The menu opens below the button. It is not the button's own menu: the
    // style would draw its small arrow over the end of the caption, which
    // ends with an arrow of its own.
    connect(m_repeat, &QToolButton::clicked, menu,
        [this, menu] { menu->popup(m_repeat->mapToGlobal(QPoint(0, m_repeat->height()))); });
    for (QSpinBox* box : {m_verseRepeat, m_rangeRepeat, m_gap})
        connect(box, &QSpinBox::valueChanged, this, &PlayerStrip::showRepeatCaption);
    showRepeatCaption();

    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("speed"));
    for (const double rate : rates())
        m_speed->addItem(QString(), rate);
    m_speed->setCurrentIndex(static_cast<int>(rates().indexOf(1.0)));
    connect(m_speed, &QComboBox::activated, this,
        [this](int index) { emit rateChosen(m_speed->itemData(index).toDouble()); });
}

const QList<double>& PlayerStrip::rates()
{
    static const QList<double> offered{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
    return offered;
}

PlayerStrip::RepeatSettings PlayerStrip::repeatSettings() const
{
    return {m_verseRepeat->value(), m_rangeRepeat->value(), m_gap->value()};
}

void PlayerStrip::setRepeatSettings(const RepeatSettings& settings)
{
    m_verseRepeat->setValue(settings.verseRepeat);
    m_rangeRepeat->setValue(settings.rangeRepeat);
    m_gap->setValue(settings.gapMs);
}

void PlayerStrip::showRepeatCaption()
{
    const QLocale locale;
    const QString range
        = m_rangeRepeat->value() == 0 ? QStringLiteral("\u221e") : locale.toString(m_rangeRepeat->value());
    //: The repeat button's counts: each verse %1 times, the range %2 times (∞: until stopped).
    const QString counts = tr("%1\u00d7 / %2 \u25be").arg(locale.toString(m_verseRepeat->value()), range);
    //: The repeat button's caption; %1 are its counts.
    const QString full = tr("Repeat %1").arg(counts);
    // In a strip too narrow for the word, a repeat sign stands for it.
    const QFontMetrics metrics = m_repeat->fontMetrics();
    const int growth = metrics.horizontalAdvance(full) - metrics.horizontalAdvance(m_repeat->text());
    const bool roomy = !layout() || layout()->minimumSize().width() + growth <= width();
    m_repeat->setText(roomy ? full : QStringLiteral("\u21bb %1").arg(counts));
    const QString verse = locale.toString(m_verseRepeat->value());
    m_repeat->setAccessibleName(m_rangeRepeat->value() == 0
            ? tr("Repeat: each verse %1 times, the range until stopped").arg(verse)
            : tr("Repeat: each verse %1 times, the range %2 times").arg(verse, range));
}

void PlayerStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showRepeatCaption();
}

void PlayerStrip::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Another theme: the glyphs are drawn again to stand out from it; right
    // to left, the verse buttons point the other way.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LayoutDirectionChange)
        showGlyphs();
    else if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void PlayerStrip::retranslateUi()
{
    const auto name = [](QWidget* control, const QString& text) {
        control->setToolTip(text);
        control->setAccessibleName(text);
    };
    name(m_stop, tr("Stop"));
    name(m_position, tr("Position"));
    name(m_volume, tr("Volume"));
    name(m_previous, tr("Previous verse"));
    name(m_next, tr("Next verse"));
    name(m_speed, tr("Speed"));
    m_repeat->setToolTip(tr("Repeat: how often each verse and the whole range are recited, and the pause between"));
    //: After a spin box's number: how often a verse or a range is recited.
    m_verseRepeat->setSuffix(tr(" times"));
    m_rangeRepeat->setSuffix(tr(" times"));
    m_rangeRepeat->setSpecialValueText(tr("until stopped"));
    //: After a spin box's number: milliseconds.
    m_gap->setSuffix(tr(" ms"));
    const QList<std::pair<QSpinBox*, QString>> labels{
        {m_verseRepeat, tr("Each verse:")}, {m_rangeRepeat, tr("The whole range:")}, {m_gap, tr("Pause between:")}};
    for (const auto& [box, text] : labels) {
        if (auto* label = qobject_cast<QLabel*>(m_repeatFields->labelForField(box)))
            label->setText(text);
    }
    const QLocale locale;
    for (int index = 0; index < m_speed->count(); ++index)
        //: A playback speed, e.g. 1.5×.
        m_speed->setItemText(index, tr("%1\u00d7").arg(locale.toString(m_speed->itemData(index).toDouble())));
    onPlaybackStateChanged(m_player->playbackState());
    updateMuteIcon();
    showRepeatCaption();
    if (!m_total->toolTip().isEmpty())
        m_total->setText(tr("error"));
    showTimes(m_player->position(), m_player->duration());
}

void PlayerStrip::showGlyphs()
{
    const QColor background = palette().color(QPalette::Window);
    m_previous->setIcon(glyphIcon(shownGlyph(Glyph::Previous, isRightToLeft()), background));
    m_next->setIcon(glyphIcon(shownGlyph(Glyph::Next, isRightToLeft()), background));
    m_stop->setIcon(glyphIcon(Glyph::Stop, background));
    const bool playing = m_player->playbackState() == AudioPlayer::State::Playing;
    m_playPause->setIcon(glyphIcon(playing ? Glyph::Pause : Glyph::Play, background));
    updateMuteIcon();
}

void PlayerStrip::showRate(double rate)
{
    for (int index = 0; index < m_speed->count(); ++index) {
        if (qFuzzyCompare(m_speed->itemData(index).toDouble(), rate))
            m_speed->setCurrentIndex(index);
    }
}

QSize PlayerStrip::sizeHint() const
{
    // 675 twips in the window's design: 45 pixels at 96 dots per inch.
    return {600, 45};
}

QSize PlayerStrip::minimumSizeHint() const
{
    return {200, 34};
}

void PlayerStrip::onMediaStatusChanged(AudioPlayer::Status status)
{
    // A new file (or none) clears the error shown for the one before.
    if (status == AudioPlayer::Status::Loading || status == AudioPlayer::Status::NoMedia)
        m_total->setToolTip(QString());
}

void PlayerStrip::onPlaybackStateChanged(AudioPlayer::State state)
{
    const bool playing = state == AudioPlayer::State::Playing;
    m_playPause->setIcon(glyphIcon(playing ? Glyph::Pause : Glyph::Play, palette().color(QPalette::Window)));
    m_playPause->setToolTip(playing ? tr("Pause") : tr("Play"));
    m_playPause->setAccessibleName(m_playPause->toolTip());
}

void PlayerStrip::onDurationChanged(qint64 milliseconds)
{
    m_position->setRange(0, static_cast<int>(std::clamp<qint64>(milliseconds, 0, INT_MAX)));
    showTimes(m_player->position(), milliseconds);
}

void PlayerStrip::onPositionChanged(qint64 milliseconds)
{
    if (m_position->isSliderDown())
        return; // the user is dragging: the slider shows where it will go
    m_position->setValue(static_cast<int>(std::clamp<qint64>(milliseconds, 0, INT_MAX)));
    showTimes(milliseconds, m_player->duration());
}

void PlayerStrip::onErrorOccurred(const QString& description)
{
    m_total->setText(tr("error"));
    m_total->setToolTip(description);
}

void PlayerStrip::onPlayPauseClicked()
{
    if (m_versePlayer->url().isEmpty()) {
        emit playWithNothingChosen();
        return;
    }
    if (m_player->playbackState() == AudioPlayer::State::Playing)
        m_versePlayer->pause();
    else
        m_versePlayer->play();
}

void PlayerStrip::onSliderAction()
{
    // A click on the groove or a key moves the slider by a step: seek there.
    // Drags are handled when the slider is released.
    if (!m_position->isSliderDown())
        m_versePlayer->seek(m_position->sliderPosition());
}

void PlayerStrip::onVolumeChanged(int percent)
{
    m_player->setVolume(static_cast<float>(percent) / 100.0F);
    if (percent > 0 && m_player->isMuted())
        m_player->setMuted(false);
    updateMuteIcon();
}

void PlayerStrip::onMuteClicked()
{
    m_player->setMuted(!m_player->isMuted());
    updateMuteIcon();
}

void PlayerStrip::showTimes(qint64 position, qint64 duration)
{
    m_elapsed->setText(clockText(position));
    if (m_total->toolTip().isEmpty())
        m_total->setText(clockText(duration));
}

void PlayerStrip::updateMuteIcon()
{
    const bool silent = m_player->isMuted() || m_volume->value() == 0;
    m_mute->setIcon(glyphIcon(silent ? Glyph::Muted : Glyph::Volume, palette().color(QPalette::Window)));
    m_mute->setToolTip(m_player->isMuted() ? tr("Unmute") : tr("Mute"));
    m_mute->setAccessibleName(m_mute->toolTip());
}

} // namespace tilvora::ui
