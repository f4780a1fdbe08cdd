#include "ui/recitation/repeatdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace tilvora::ui {

RepeatDialog::RepeatDialog(
    const QString& from, const QString& toVerse, const PlayerStrip::RepeatSettings& settings, QWidget* parent)
    : QDialog(parent), m_from(from)
{
    setObjectName(QStringLiteral("RepeatDialog"));
    setMinimumWidth(340);
    const bool range = !toVerse.isEmpty();
    setWindowTitle(range ? tr("Repeat from %1 to...").arg(from) : tr("Repeat verse %1").arg(from));

    auto* form = new QFormLayout(this);
    if (range) {
        m_to = new QLineEdit(toVerse, this);
        m_to->setObjectName(QStringLiteral("toVerse"));
        m_to->setPlaceholderText(tr("chapter:verse, e.g. 2:5"));
        form->addRow(tr("From %1 to verse:").arg(from), m_to);
        m_problem = new QLabel(this);
        m_problem->setObjectName(QStringLiteral("problem"));
        m_problem->setTextFormat(Qt::PlainText);
        m_problem->setWordWrap(true);
        m_problem->hide();
        form->addRow(m_problem);
        // A corrected verse takes the problem away.
        connect(m_to, &QLineEdit::textEdited, m_problem, &QLabel::hide);
    }
    const auto spin = [this](const QString& name, int lowest, int highest, int step, int value, const QString& suffix) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(lowest, highest);
        box->setSingleStep(step);
        box->setValue(value);
        box->setSuffix(suffix);
        return box;
    };
    m_verseRepeat = spin(QStringLiteral("verseRepeat"), 1, 999, 1, settings.verseRepeat, tr(" times"));
    m_rangeRepeat = spin(QStringLiteral("rangeRepeat"), 0, 999, 1, settings.rangeRepeat, tr(" times"));
    m_rangeRepeat->setSpecialValueText(tr("until stopped"));
    m_gap = spin(QStringLiteral("gap"), 0, 60000, 250, settings.gapMs, tr(" ms"));
    form->addRow(range ? tr("Each verse:") : tr("The verse:"), m_verseRepeat);
    if (range)
        form->addRow(tr("The whole range:"), m_rangeRepeat);
    else
        m_rangeRepeat->setVisible(false);
    form->addRow(tr("Pause between:"), m_gap);
    m_echo = new QComboBox(this);
    m_echo->setObjectName(QStringLiteral("echo"));
    m_echo->addItem(tr("No"), 0.0);
    for (const double factor : {1.0, 1.25, 1.5, 1.75, 2.0})
        //: Listen and repeat: wait this many times as long as the verse took.
        m_echo->addItem(tr("As long as the verse took, times %1").arg(QLocale().toString(factor)), factor);
    m_echo->setCurrentIndex(std::max(0, m_echo->findData(settings.echoFactor)));
    form->addRow(tr("Time to say each verse back:"), m_echo);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Recite"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void RepeatDialog::setToVerseCheck(std::function<QString(const QString&)> check)
{
    m_check = std::move(check);
}

void RepeatDialog::accept()
{
    const QString problem = m_to && m_check ? m_check(toVerse()) : QString();
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    m_problem->setText(problem);
    m_problem->show();
    m_to->setFocus();
    m_to->selectAll();
}

QString RepeatDialog::toVerse() const
{
    return m_to ? m_to->text().trimmed() : m_from;
}

PlayerStrip::RepeatSettings RepeatDialog::settings() const
{
    // A single verse is one range, recited once, its count being the verse's.
    return {
        m_verseRepeat->value(), m_to ? m_rangeRepeat->value() : 1, m_gap->value(), m_echo->currentData().toDouble()};
}

} // namespace tilvora::ui
