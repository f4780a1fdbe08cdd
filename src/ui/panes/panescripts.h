#pragma once

#include <QJsonValue>
#include <QString>

#include <functional>
#include <vector>

class QVariant;
class QWebEnginePage;

namespace tilvora::ui {

// The scripts a pane adds to the documents it shows, loaded in one place:
// one script in the page's own world, installed as each document is created,
// in which the loader (paneloader.js) runs the pane's modules in a fixed
// order, each with the settings the window gave it. A module is one file of
// this folder with one job (its head says which); what needs the page text
// waits in it until the text is parsed. The window's own requests to a page
// run in the same world (run()).
class PaneScripts {
public:
    // The modules, in the order they run.
    enum class Module { Channel, Layout, Place, Recitation, Compat, Names, Texts, Cursor, Comfort, Hiding };

    PaneScripts(QWebEnginePage* page, const std::vector<Module>& modules);

    // The settings `module` runs with in the pane's next documents. A module
    // without settings yet is left out (the web channel and the reading
    // layout need none).
    void configure(Module module, const QJsonValue& config);

    // Runs `script` in the panes' script world of `page`; `answer` gets its
    // value.
    static void run(
        QWebEnginePage* page, const QString& script, const std::function<void(const QVariant&)>& answer = {});

private:
    struct Entry {
        Module module;
        QJsonValue config;
    };

    void install();
    QString bundle() const;

    QWebEnginePage* m_page;
    std::vector<Entry> m_entries;
};

} // namespace tilvora::ui
