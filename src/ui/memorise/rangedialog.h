#pragma once

#include <QDialog>

#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tilvora::mushaf {
class MushafIndex;
}

namespace tilvora::ui {

// Which verses to learn or to take out: a page, a range of verses, a
// chapter or a part. The dialog stays open and says what is wrong with
// verses that do not exist.
class RangeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Unit { Page, Verses, Chapter, Part };

    // `verb` is the button's text ("Learn", "Forget"); the dialog opens on
    // the page `page` and the verse `verse` (S:A).
    RangeDialog(const mushaf::MushafIndex& index, const QString& title, const QString& verb, int page,
        const QString& verse, QWidget* parent = nullptr);

    void choose(Unit unit, int number);
    void chooseVerses(const QString& from, const QString& to);
    // The first and last verse chosen (AyahRefs), once accepted.
    std::pair<qint32, qint32> verses() const { return m_verses; }
    // What was chosen, in words ("page 42", "the verses 2:1 to 2:5").
    QString description() const;

    void accept() override;

private:
    void unitChanged();

    const mushaf::MushafIndex& m_index;
    QComboBox* m_unit = nullptr;
    QSpinBox* m_number = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QLabel* m_problem = nullptr;
    std::pair<qint32, qint32> m_verses{0, 0};
};

} // namespace tilvora::ui
