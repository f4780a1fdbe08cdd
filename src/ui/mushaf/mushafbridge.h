#pragma once

#include <QObject>

namespace tilvora::ui {

// The object the mushaf view's page script reaches through the web channel
// ("tilvoraMushaf"): what the reader does on the page, and when a page the
// program sent has been painted.
class MushafBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void ready() { emit connected(); }
    Q_INVOKABLE void clicked(int ayahRef) { emit verseClicked(ayahRef); }
    Q_INVOKABLE void doubleClicked(int ayahRef) { emit verseDoubleClicked(ayahRef); }
    Q_INVOKABLE void menu(int ayahRef) { emit verseMenuRequested(ayahRef); }
    Q_INVOKABLE void revealClicked() { emit revealRequested(); }
    Q_INVOKABLE void turn(int step) { emit turnRequested(step); }
    Q_INVOKABLE void painted(int token) { emit pagePainted(token); }

signals:
    void connected();
    void verseClicked(int ayahRef);
    void verseDoubleClicked(int ayahRef);
    void verseMenuRequested(int ayahRef);
    void revealRequested();
    void turnRequested(int step);
    void pagePainted(int token);
};

} // namespace tilvora::ui
