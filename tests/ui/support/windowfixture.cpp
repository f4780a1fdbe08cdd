#include "ui/support/windowfixture.h"

#include "support/files.h"
#include "ui/panes/browserpane.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace tilvora::ui::test {

using host::Pane;

QMenu* verseMenuAt(QWidget* input, const QPoint& point)
{
    QTest::mouseClick(input, Qt::RightButton, {}, point);
    QMenu* menu = nullptr;
    if (!QTest::qWaitFor(
            [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; }, 10000))
        ADD_FAILURE() << "no menu opened";
    return menu;
}

MessageBoxWatcher::MessageBoxWatcher()
{
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_messages.append({box->icon(), box->windowTitle(), box->text()});
        box->done(QMessageBox::Ok);
    });
    m_timer.start();
}

MessageBoxWatcher::~MessageBoxWatcher() = default;

void WindowTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_TRUE(m_userDir.isValid());
    // Settings and bookmarks of this test only.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_userDir.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(userDataFolder()));
    QString error;
    ASSERT_TRUE(QDir().mkpath(appFolder()));
    ASSERT_TRUE(tilvora::testing::copyApplicationFolder(QStringLiteral(TILVORA_APP_FOLDER_SOURCE), appFolder(), &error))
        << error.toStdString();
    m_watcher = std::make_unique<MessageBoxWatcher>();
}

void WindowTest::TearDown()
{
    m_session.reset();
    m_watcher.reset();
}

void WindowTest::startProgram(const QString& readingPaneReady)
{
    m_session = DesktopSession::start(appFolder());
    ASSERT_TRUE(m_session) << "start-up failed: "
                           << (messages().isEmpty() ? std::string() : messages().constLast().text.toStdString());
    window().resize(1280, 860);
    ASSERT_TRUE(waitUntil(Pane::WebMain, readingPaneReady))
        << "the reading pane did not show " << readingPaneReady.toStdString();
    ASSERT_TRUE(waitUntil(Pane::WebSurah, QStringLiteral("!!document.getElementById('cmbSurah')")));
    ASSERT_TRUE(waitUntil(Pane::WebWord, QStringLiteral("!!document.getElementById('cmbWord')")));
    ASSERT_TRUE(waitUntil(Pane::WebSubject, QStringLiteral("!!document.getElementById('cmbSubject')")));
    ASSERT_TRUE(waitUntil(Pane::WebSearch, QStringLiteral("!!document.getElementById('txtSearch')")));
    ASSERT_TRUE(waitUntil(Pane::WebControl, QStringLiteral("document.getElementsByTagName('select').length === 4")));
    for (Pane pane : {Pane::WebMain, Pane::WebSurah, Pane::WebWord, Pane::WebSubject})
        ASSERT_TRUE(waitForBridge(pane)) << host::paneName(pane).toStdString() << " did not connect";
}

void WindowTest::closeProgram()
{
    closeAndWait(window());
    m_session.reset();
}

void WindowTest::resizeAndWait(QWidget& window, QSize size)
{
    window.resize(size);
    const QSize expected = size.expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
    QTRY_COMPARE_WITH_TIMEOUT(window.size(), expected, 5000);
}

void WindowTest::closeAndWait(MainWindow& window)
{
    QSignalSpy closed(&window, &MainWindow::closed);
    window.close();
    EXPECT_TRUE(closed.count() > 0 || closed.wait(10000)) << "the window did not close";
}

void WindowTest::expectNoMessages() const
{
    for (const ShownMessage& message : messages())
        ADD_FAILURE() << "message box: " << message.title.toStdString() << ": " << message.text.toStdString();
}

MainWindow& WindowTest::window()
{
    return m_session->window();
}

QWebEnginePage* WindowTest::page(Pane pane)
{
    return window().page(pane);
}

QVariant WindowTest::evaluate(Pane pane, const QString& script, int timeoutMs)
{
    struct Answer {
        bool done = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    page(pane)->runJavaScript(script, QWebEngineScript::MainWorld, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
    });
    const bool answered = QTest::qWaitFor([&] { return answer->done; }, timeoutMs);
    return answered ? answer->value : QVariant();
}

bool WindowTest::waitUntil(Pane pane, const QString& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const QString script
        = QStringLiteral("(function () { try { return !!(%1); } catch (e) { return false; } })()").arg(condition);
    // A script sent while the pane is changing documents may get no answer:
    // each try waits briefly and the next one asks the new document.
    while (timer.elapsed() < timeoutMs) {
        if (evaluate(pane, script, 300).toBool())
            return true;
        QTest::qWait(30);
    }
    return false;
}

bool WindowTest::waitForBridge(Pane pane, int timeoutMs)
{
    return QTest::qWaitFor([&] { return window().page(pane)->bridge()->isConnected(); }, timeoutMs);
}

QString WindowTest::searchLabelOnceIt(const QString& caption, int timeoutMs)
{
    const bool shown = QTest::qWaitFor([&] { return window().searchLabel()->text() == caption; }, timeoutMs);
    return shown ? caption : window().searchLabel()->text();
}

QPoint WindowTest::elementCentre(Pane pane, const QString& elementExpression)
{
    const QVariantList centre = evaluate(pane,
        QStringLiteral("(function () { var e = %1; e.scrollIntoView({block: 'center'});"
                       " var r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()")
            .arg(elementExpression))
                                    .toList();
    if (centre.size() != 2)
        return {};
    return QPoint(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
}

QWidget* WindowTest::inputWidget(Pane pane)
{
    QWebEngineView* view = window().view(pane);
    return view->focusProxy() ? view->focusProxy() : view;
}

QVariant WindowTest::queryValue(const QString& statement)
{
    return tilvora::testing::queryRow(appFolder() + QStringLiteral("/DIC.DAT"), statement).value(0);
}

QImage WindowTest::saveScreenshot(const QString& name)
{
    // Let the panes paint what they hold.
    QTest::qWait(400);
    const QImage image = window().grab().toImage();
    QDir().mkpath(QStringLiteral(TILVORA_ARTIFACTS_DIR));
    image.save(QStringLiteral(TILVORA_ARTIFACTS_DIR "/%1.png").arg(name));
    return image;
}

} // namespace tilvora::ui::test
