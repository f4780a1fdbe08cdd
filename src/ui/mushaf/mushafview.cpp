#include "mushafview.h"

#include "mushaf/mushafpage.h"
#include "mushaf/pagemarkup.h"
#include "ui/mushaf/mushafbridge.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace tilvora::ui {

namespace {

QString resourceText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString themeClass(pages::Theme theme)
{
    return pages::themeName(theme).toLower();
}

QString scriptValue(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString scriptValue(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace

MushafView::MushafView(store::Connection& connection, std::shared_ptr<const mushaf::MushafIndex> index,
    const QString& fontPath, QWidget* parent)
    : QWidget(parent), m_connection(connection), m_index(std::move(index))
{
    setObjectName(QStringLiteral("MushafView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Off the record: nothing of the view is kept on disk.
    m_profile = new QWebEngineProfile(this);
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("MushafPages"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto* page = new QWebEnginePage(m_profile, m_view);
    m_view->setPage(page);
    layout->addWidget(m_view);

    m_bridge = new MushafBridge(this);
    auto* channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("tilvoraMushaf"), m_bridge);
    page->setWebChannel(channel);
    connect(m_bridge, &MushafBridge::connected, this, [this] {
        m_ready = true;
        render();
    });
    connect(m_bridge, &MushafBridge::pagePainted, this, [this](int token) {
        if (token != m_renderToken)
            return;
        emit pagePainted(m_page);
        // After what the painted page sets off, the neighbours.
        QMetaObject::invokeMethod(this, &MushafView::holdNeighbours, Qt::QueuedConnection);
    });
    connect(m_bridge, &MushafBridge::verseClicked, this, [this](int ref) {
        m_selected = ref;
        emit verseSelected(ref);
    });
    connect(m_bridge, &MushafBridge::verseDoubleClicked, this, [this](int ref) { emit verseDoubleClicked(ref); });
    connect(m_bridge, &MushafBridge::verseMenuRequested, this, [this](int ref) { emit verseMenuRequested(ref); });
    connect(m_bridge, &MushafBridge::turnRequested, this, &MushafView::turnByHand);
    connect(m_bridge, &MushafBridge::revealRequested, this, [this] {
        if (m_reveal.revealWord())
            applyReveal();
    });
    loadDocument(fontPath);
}

MushafView::~MushafView()
{
    // The page goes before its profile, which would otherwise go first as
    // the older child.
    delete m_view;
}

void MushafView::loadDocument(const QString& fontPath)
{
    const QString html = QStringLiteral(
        "<!DOCTYPE html><html dir=\"rtl\"><head><meta charset=\"utf-8\"><style>"
        "@font-face { font-family: 'KFGQPC HAFS Uthmanic Script'; src: url('%1'); }</style><style "
        "id=\"mushaf-style\">%2</style>"
        "<script>%3</script><script>%4</script></head><body class=\"%5\"><div id=\"book\"></div></body></html>")
                             .arg(QUrl::fromLocalFile(fontPath).toString(QUrl::FullyEncoded),
                                 resourceText(QStringLiteral(":/tilvora/mushaf/mushafview.css")),
                                 resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")),
                                 resourceText(QStringLiteral(":/tilvora/mushaf/mushafview.js")), themeClass(m_theme));
    m_view->setHtml(html, QUrl::fromLocalFile(fontPath));
}

std::vector<int> MushafView::spreadOf(int page) const
{
    if (!m_twoPages)
        return {page};
    const int right = page % 2 == 1 ? page : page - 1;
    std::vector<int> pages{right};
    if (m_index->isPage(right + 1))
        pages.push_back(right + 1);
    return pages;
}

std::vector<int> MushafView::shownPages() const
{
    return spreadOf(m_page);
}

int MushafView::keyOf(const std::vector<int>& pages) const
{
    return pages.front() * 2 + (m_twoPages ? 1 : 0);
}

qint32 MushafView::firstShownVerse() const
{
    for (int page : shownPages()) {
        if (const qint32 first = m_index->firstVerseOf(page))
            return first;
    }
    return 0;
}

void MushafView::showPage(int page)
{
    if (!m_index->isPage(page))
        return;
    const std::vector<int> before = shownPages();
    m_page = page;
    if (shownPages() != before || m_renderToken == 0)
        render();
}

void MushafView::showVerse(qint32 ayahRef, bool select)
{
    const mushaf::Place place = m_index->placeOf(ayahRef);
    if (place.page == 0)
        return;
    if (select) {
        m_selected = ayahRef;
        run(QStringLiteral("tilvoraMushaf.select(%1)").arg(ayahRef));
    }
    showPage(place.page);
}

void MushafView::turn(int step)
{
    const int stride = m_twoPages ? 2 : 1;
    const int first = shownPages().front();
    showPage(std::clamp(first + step * stride, 1, m_index->pageCount()));
}

void MushafView::turnByHand(int step)
{
    m_handTurn.start();
    turn(step);
}

void MushafView::markRecited(qint32 ayahRef)
{
    m_recited = ayahRef;
    run(QStringLiteral("tilvoraMushaf.mark(%1)").arg(ayahRef));
    if (ayahRef == 0)
        return;
    const int page = m_index->placeOf(ayahRef).page;
    const std::vector<int> shown = shownPages();
    const bool handTurnedLately = m_handTurn.isValid() && m_handTurn.elapsed() < kHandTurnHoldMs;
    if (page != 0 && std::find(shown.begin(), shown.end(), page) == shown.end() && !handTurnedLately)
        showPage(page);
}

void MushafView::setTheme(pages::Theme theme)
{
    m_theme = theme;
    run(QStringLiteral("tilvoraMushaf.setTheme('%1')").arg(themeClass(theme)));
}

void MushafView::setZoom(double factor)
{
    m_zoom = factor;
    run(QStringLiteral("tilvoraMushaf.setZoom(%1)").arg(factor));
}

void MushafView::setHiding(bool hiding)
{
    m_hiding = hiding;
    applyReveal();
}

void MushafView::applyReveal()
{
    run(QStringLiteral("tilvoraMushaf.reveal(%1, %2)")
            .arg(m_hiding ? QStringLiteral("true") : QStringLiteral("false"))
            .arg(m_reveal.revealedCount()));
}

void MushafView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const bool two = event->size().width() >= event->size().height() * 6 / 5;
    if (two != m_twoPages) {
        m_twoPages = two;
        m_held.clear();
        render();
    }
}

void MushafView::run(const QString& script)
{
    if (m_ready)
        m_view->page()->runJavaScript(script);
}

QJsonObject MushafView::markSpread(const std::vector<int>& pages)
{
    std::vector<mushaf::MushafPage> loaded;
    for (int page : pages)
        loaded.push_back(mushaf::MushafPage::load(m_connection, *m_index, page));
    mushaf::SpreadMarkup spread = mushaf::markSpread(loaded, *m_index);
    const int key = keyOf(pages);
    m_held[key] = std::move(spread.words);
    return {{QStringLiteral("key"), key}, {QStringLiteral("html"), spread.html},
        {QStringLiteral("pages"), int(pages.size())}};
}

void MushafView::render()
{
    if (!m_ready)
        return;
    const std::vector<int> pages = shownPages();
    const int key = keyOf(pages);
    // A spread held ahead is only shown; any other is sent with its markup.
    const QJsonObject spread = m_held.count(key) ? QJsonObject{{QStringLiteral("key"), key}} : markSpread(pages);
    m_reveal.reset(m_held[key]);
    ++m_renderToken;
    const QString view = QStringLiteral("{theme: '%1', zoom: %2, marked: %3, selected: %4, hiding: %5}")
                             .arg(themeClass(m_theme))
                             .arg(m_zoom)
                             .arg(m_recited)
                             .arg(m_selected)
                             .arg(m_hiding ? QStringLiteral("true") : QStringLiteral("false"));
    // One pass of arg(): the markup may hold what looks like a place marker.
    run(QStringLiteral("tilvoraMushaf.show(%1, %2, %3);")
            .arg(scriptValue(spread), QString::number(m_renderToken), view));
}

void MushafView::holdNeighbours()
{
    const std::vector<int> shown = shownPages();
    const int stride = m_twoPages ? 2 : 1;
    std::vector<std::vector<int>> around;
    for (int first : {shown.front() + stride, shown.front() - stride}) {
        if (m_index->isPage(first))
            around.push_back(spreadOf(first));
    }
    // The document keeps the spread shown and its neighbours, nothing more.
    QJsonArray keep;
    std::map<int, std::vector<mushaf::RevealModel::Unit>> kept;
    for (const std::vector<int>& pages : around)
        keep.append(keyOf(pages));
    keep.append(keyOf(shown));
    for (const QJsonValue& key : keep) {
        if (auto held = m_held.find(key.toInt()); held != m_held.end())
            kept.insert(*held);
    }
    m_held = std::move(kept);
    QJsonArray spreads;
    for (const std::vector<int>& pages : around) {
        if (!m_held.count(keyOf(pages)))
            spreads.append(markSpread(pages));
    }
    run(QStringLiteral("tilvoraMushaf.hold(%1, %2);").arg(scriptValue(spreads), scriptValue(keep)));
}

} // namespace tilvora::ui
