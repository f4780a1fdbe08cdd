#pragma once

#include "ui/recitation/playerstrip.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tilvora::ui {

// "Repeat this verse..." and "Repeat from here to...": the verse to end at
// (for a range), how often each verse and the whole range are recited, and
// the pause between, and whether to wait after each verse for the reader to
// say it back (listen and repeat).
class RepeatDialog : public QDialog {
    Q_OBJECT
public:
    // `from` is the verse clicked ("S:A"); `toVerse` the verse offered as the
    // end of the range, or empty to repeat `from` alone.
    RepeatDialog(const QString& from, const QString& toVerse, const PlayerStrip::RepeatSettings& settings,
        QWidget* parent = nullptr);

    // Asked when the reader presses Recite: what is wrong with the verse to
    // end at (shown in the dialog, which stays open), or empty to recite.
    void setToVerseCheck(std::function<QString(const QString& toVerse)> check);

    QString toVerse() const;
    PlayerStrip::RepeatSettings settings() const;

    QLineEdit* toVerseEdit() const { return m_to; }
    QSpinBox* verseRepeatBox() const { return m_verseRepeat; }
    QLabel* problemLabel() const { return m_problem; }
    QComboBox* echoBox() const { return m_echo; }

    void accept() override;

private:
    QString m_from;
    QLineEdit* m_to = nullptr;
    QSpinBox* m_verseRepeat = nullptr;
    QSpinBox* m_rangeRepeat = nullptr;
    QSpinBox* m_gap = nullptr;
    QComboBox* m_echo = nullptr;
    QLabel* m_problem = nullptr;
    std::function<QString(const QString&)> m_check;
};

} // namespace tilvora::ui
