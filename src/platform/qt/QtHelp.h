#pragma once
// The help viewer: the program's help pages (HTML in the help folder of the
// program directory) with contents, a keyword index with search, back and
// forward, and pop-up topics by number.
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "platform/Menu.h"

class QTextBrowser;
class QLineEdit;
class QListWidget;
class QTabWidget;

namespace quorle::qt {

class HelpViewer : public QWidget {
public:
    // folder: where the pages are (the help folder of the program directory);
    // books: the help files, the program's own first (its table of contents
    // stands beside the pages).
    HelpViewer(const QString& folder, std::vector<platform::HelpBook> books, QWidget* parent = nullptr);

    // The contents page of the program's own help.
    void ShowContents();
    // The contents page of a help file by name, any case and folder; the
    // program's own when none has that name.
    void ShowBook(const QString& file);
    // The keyword index with the search box holding key.
    void ShowIndex(const QString& key);
    void ShowPage(const QString& page);
    // A topic by number in a small pop-up window; false when there is none.
    bool PopUpTopic(int topic, QWidget* owner);

    QString CurrentPage() const;
    QTextBrowser* Browser() const { return browser_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* IndexKey() const { return indexKey_; }
    // The page of a topic number, or empty.
    QString TopicPage(int topic) const;

private:
    void LoadKeywords();
    void FilterIndex(const QString& key);

    QString folder_;
    std::vector<platform::HelpBook> books_;
    QTextBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexKey_ = nullptr;
    QListWidget* indexList_ = nullptr;
    QListWidget* contentsList_ = nullptr;
    std::multimap<QString, QString> keywords_;  // keyword -> page
    std::map<int, QString> topics_;
};

}  // namespace quorle::qt
