#include "app/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace quorv {

namespace {

QPointer<HelpWindow> g_help;

const QString kHelpRoot = QStringLiteral(":/help/");
const QString kStartPage = QStringLiteral("index.html");

QString readPage(const QString &page)
{
    QFile file(kHelpRoot + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString pageTitle(const QString &html, const QString &fallback)
{
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption
                                           | QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : fallback;
}

QString plainText(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("bangzhu"));
    setWindowTitle(QStringLiteral("Quorv汽车陪练软件 帮助"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setPlaceholderText(QStringLiteral("搜索帮助…"));
    m_search->setClearButtonEnabled(true);
    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setSearchPaths({kHelpRoot});
    m_browser->setOpenExternalLinks(false);

    // The start page, the first start and the working day, then one page a menu in menu order;
    // any other page after them.
    m_pages = {kStartPage,
               QStringLiteral("firstrun.html"),
               QStringLiteral("workday.html"),
               QStringLiteral("system.html"),
               QStringLiteral("cards.html"),
               QStringLiteral("bookings.html"),
               QStringLiteral("licences.html"),
               QStringLiteral("vehicles.html"),
               QStringLiteral("receipts.html"),
               QStringLiteral("expenses.html"),
               QStringLiteral("notebooks.html"),
               QStringLiteral("help.html")};
    const QStringList present = QDir(kHelpRoot).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    m_pages.removeIf([&present](const QString &page) { return !present.contains(page); });
    for (const QString &page : present)
        if (!m_pages.contains(page))
            m_pages << page;
    for (const QString &page : std::as_const(m_pages)) {
        auto *item = new QListWidgetItem(pageTitle(readPage(page), page), m_contents);
        item->setData(Qt::UserRole, page);
    }

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(QStringLiteral("目录"), side));
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_contents);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { m_browser->find(m_search->text()); });

    showPage(kStartPage);
    resize(920, 640);
}

HelpWindow *HelpWindow::showHelp()
{
    if (!g_help)
        g_help = new HelpWindow;
    g_help->showPage(kStartPage);
    g_help->show();
    g_help->raise();
    g_help->activateWindow();
    return g_help;
}

HelpWindow *HelpWindow::current()
{
    return g_help;
}

void HelpWindow::showPage(const QString &page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc") + kHelpRoot + page));
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().fileName();
}

void HelpWindow::search(const QString &term)
{
    // Keep only the pages that mention the term, and mark its first place on the page shown.
    const QString t = term.trimmed();
    for (int i = 0; i < m_contents->count(); ++i) {
        QListWidgetItem *item = m_contents->item(i);
        const bool hit = t.isEmpty()
                         || plainText(readPage(item->data(Qt::UserRole).toString())).contains(t, Qt::CaseInsensitive)
                         || item->text().contains(t, Qt::CaseInsensitive);
        item->setHidden(!hit);
    }
    if (t.isEmpty())
        return;
    for (int i = 0; i < m_contents->count(); ++i) {
        QListWidgetItem *item = m_contents->item(i);
        if (!item->isHidden()) {
            m_contents->setCurrentItem(item);
            showPage(item->data(Qt::UserRole).toString());
            m_browser->find(t);
            break;
        }
    }
}

} // namespace quorv
