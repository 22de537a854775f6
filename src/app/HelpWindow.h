#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace quorv {

// `bangzhu`: the program's own manual (HTML pages shipped inside the program), with a list of
// contents and a search over all pages. One window serves the whole program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the one help window at its start page, creating it when needed.
    static HelpWindow *showHelp();
    static HelpWindow *current();

    void showPage(const QString &page);
    QString currentPage() const;

private:
    void search(const QString &term);

    QLineEdit *m_search = nullptr;
    QListWidget *m_contents = nullptr;
    QTextBrowser *m_browser = nullptr;
    QStringList m_pages;
};

} // namespace quorv
