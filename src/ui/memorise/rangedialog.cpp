#include "ui/memorise/rangedialog.h"

#include "mushaf/mushafindex.h"
#include "store/dberror.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tilvora::ui {

namespace {
QString unitWord(RangeDialog::Unit unit)
{
    switch (unit) {
    case RangeDialog::Unit::Page:
        return QStringLiteral("page");
    case RangeDialog::Unit::Chapter:
        return QStringLiteral("chapter");
    case RangeDialog::Unit::Part:
        return QStringLiteral("part");
    case RangeDialog::Unit::Verses:
        break;
    }
    return {};
}
} // namespace

RangeDialog::RangeDialog(const mushaf::MushafIndex& index, const QString& title, const QString& verb, int page,
    const QString& verse, QWidget* parent)
    : QDialog(parent), m_index(index)
{
    setWindowTitle(title);
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("RangeUnit"));
    m_unit->addItem(tr("A page of the mushaf"), int(Unit::Page));
    m_unit->addItem(tr("A range of verses"), int(Unit::Verses));
    m_unit->addItem(tr("A chapter"), int(Unit::Chapter));
    m_unit->addItem(tr("A part (juz)"), int(Unit::Part));
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("RangeNumber"));
    m_from = new QLineEdit(verse, this);
    m_from->setObjectName(QStringLiteral("RangeFrom"));
    m_to = new QLineEdit(verse, this);
    m_to->setObjectName(QStringLiteral("RangeTo"));
    //: A verse is written chapter:verse, as 2:255.
    m_from->setPlaceholderText(tr("chapter:verse"));
    m_to->setPlaceholderText(tr("chapter:verse"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("RangeProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(tr("&What:"), m_unit);
    form->addRow(tr("&Number:"), m_number);
    form->addRow(tr("&From verse:"), m_from);
    form->addRow(tr("&To verse:"), m_to);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(verb);
    connect(buttons, &QDialogButtonBox::accepted, this, &RangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RangeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    connect(m_unit, &QComboBox::currentIndexChanged, this, &RangeDialog::unitChanged);
    choose(Unit::Page, page);
}

void RangeDialog::choose(Unit unit, int number)
{
    m_unit->setCurrentIndex(m_unit->findData(int(unit)));
    unitChanged();
    m_number->setValue(number);
}

void RangeDialog::chooseVerses(const QString& from, const QString& to)
{
    choose(Unit::Verses, 0);
    m_from->setText(from);
    m_to->setText(to);
}

void RangeDialog::unitChanged()
{
    const auto unit = static_cast<Unit>(m_unit->currentData().toInt());
    const bool verses = unit == Unit::Verses;
    m_number->setEnabled(!verses);
    m_from->setEnabled(verses);
    m_to->setEnabled(verses);
    const int most = unit == Unit::Page ? m_index.pageCount() : unit == Unit::Chapter ? 114 : 30;
    m_number->setRange(1, most);
    m_problem->clear();
}

QString RangeDialog::description() const
{
    const auto unit = static_cast<Unit>(m_unit->currentData().toInt());
    switch (unit) {
    case Unit::Page:
        return tr("page %1").arg(m_number->value());
    case Unit::Chapter:
        return tr("chapter %1").arg(m_number->value());
    case Unit::Part:
        return tr("part %1").arg(m_number->value());
    case Unit::Verses:
        break;
    }
    return tr("the verses %1 to %2").arg(m_index.reference(m_verses.first), m_index.reference(m_verses.second));
}

void RangeDialog::accept()
{
    const auto unit = static_cast<Unit>(m_unit->currentData().toInt());
    if (unit != Unit::Verses) {
        m_verses = m_index.versesOf(unitWord(unit), m_number->value());
        if (m_verses.first == 0) {
            m_problem->setText(tr("No verse begins on this page."));
            return;
        }
        QDialog::accept();
        return;
    }
    try {
        const qint32 first = m_index.parseReference(m_from->text());
        const qint32 last = m_index.parseReference(m_to->text());
        if (last < first) {
            m_problem->setText(tr("The verses run from %1 to a later verse.").arg(m_index.reference(first)));
            return;
        }
        m_verses = {first, last};
        QDialog::accept();
    } catch (const store::RefusedValue& refused) {
        m_problem->setText(refused.message());
    }
}

} // namespace tilvora::ui
