#include "platform/qt/QtHelp.h"

#include "platform/qt/QtCanvas.h"

#include <algorithm>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolBar>
#include <QVBoxLayout>

namespace quorle::qt {

HelpViewer::HelpViewer(const QString& folder, std::vector<platform::HelpBook> books, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), books_(std::move(books)) {
    setWindowTitle("Quorle Help");
    resize(820, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* bar = new QHBoxLayout;
    auto* contentsButton = new QPushButton("&Contents", this);
    auto* indexButton = new QPushButton("&Index", this);
    auto* backButton = new QPushButton("&Back", this);
    auto* forwardButton = new QPushButton("&Forward", this);
    bar->addWidget(contentsButton);
    bar->addWidget(indexButton);
    bar->addWidget(backButton);
    bar->addWidget(forwardButton);
    bar->addStretch(1);
    layout->addLayout(bar);

    auto* splitter = new QSplitter(this);
    tabs_ = new QTabWidget(splitter);
    contentsList_ = new QListWidget;
    if (!books_.empty()) {
        for (const auto& entry : books_.front().contents) {
            auto* item = new QListWidgetItem(FromCp1252(entry.title), contentsList_);
            item->setData(Qt::UserRole, QString::fromStdString(entry.page));
        }
    }
    tabs_->addTab(contentsList_, "Contents");

    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(2, 2, 2, 2);
    auto* keyLabel = new QLabel("&Type a word to find:", indexPane);
    indexKey_ = new QLineEdit(indexPane);
    keyLabel->setBuddy(indexKey_);
    indexList_ = new QListWidget(indexPane);
    indexLayout->addWidget(keyLabel);
    indexLayout->addWidget(indexKey_);
    indexLayout->addWidget(indexList_);
    tabs_->addTab(indexPane, "Index");

    browser_ = new QTextBrowser(splitter);
    browser_->setSearchPaths({folder_});
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 600});
    layout->addWidget(splitter, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { ShowContents(); });
    connect(indexButton, &QPushButton::clicked, this, [this] { ShowIndex(indexKey_->text()); });
    connect(backButton, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    connect(contentsList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(contentsList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(indexKey_, &QLineEdit::textChanged, this, [this](const QString& key) { FilterIndex(key); });
    connect(indexKey_, &QLineEdit::returnPressed, this, [this] {
        if (indexList_->count() > 0) ShowPage(indexList_->item(0)->data(Qt::UserRole).toString());
    });
    connect(indexList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(indexList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    LoadKeywords();
    FilterIndex(QString());
}

void HelpViewer::LoadKeywords() {
    // keywords.txt: "keyword<TAB>page" per line; topics.txt: "number<TAB>page".
    QFile keywords(QDir(folder_).filePath("keywords.txt"));
    if (keywords.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&keywords);
        while (!in.atEnd()) {
            const QStringList parts = in.readLine().split('\t');
            if (parts.size() == 2 && !parts[0].isEmpty()) keywords_.emplace(parts[0].trimmed(), parts[1].trimmed());
        }
    }
    QFile topics(QDir(folder_).filePath("topics.txt"));
    if (topics.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&topics);
        while (!in.atEnd()) {
            const QStringList parts = in.readLine().split('\t');
            bool ok = false;
            const int number = parts.size() == 2 ? parts[0].toInt(&ok) : 0;
            if (ok) topics_[number] = parts[1].trimmed();
        }
    }
}

void HelpViewer::FilterIndex(const QString& key) {
    indexList_->clear();
    const QString wanted = key.trimmed();
    std::vector<std::pair<QString, QString>> rows(keywords_.begin(), keywords_.end());
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    for (const auto& [word, page] : rows) {
        if (!wanted.isEmpty() && !word.startsWith(wanted, Qt::CaseInsensitive) &&
            !word.contains(wanted, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(word, indexList_);
        item->setData(Qt::UserRole, page);
    }
    // Words that begin with the key come first.
    if (!wanted.isEmpty()) {
        for (int i = 0; i < indexList_->count(); ++i) {
            if (indexList_->item(i)->text().startsWith(wanted, Qt::CaseInsensitive)) {
                indexList_->setCurrentRow(i);
                indexList_->scrollToItem(indexList_->item(i));
                break;
            }
        }
    }
}

void HelpViewer::ShowPage(const QString& page) {
    if (page.isEmpty()) return;
    browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(page)));
    show();
    raise();
    activateWindow();
}

QString HelpViewer::CurrentPage() const { return QFileInfo(browser_->source().toLocalFile()).fileName(); }

void HelpViewer::ShowContents() {
    tabs_->setCurrentIndex(0);
    if (!books_.empty()) ShowPage(QString::fromStdString(books_.front().contentsPage));
}

void HelpViewer::ShowBook(const QString& file) {
    const QString name = QFileInfo(file).fileName();
    for (const auto& book : books_) {
        if (name.compare(QString::fromStdString(book.file), Qt::CaseInsensitive) == 0) {
            tabs_->setCurrentIndex(0);
            ShowPage(QString::fromStdString(book.contentsPage));
            return;
        }
    }
    ShowContents();
}

void HelpViewer::ShowIndex(const QString& key) {
    tabs_->setCurrentIndex(1);
    indexKey_->setText(key);
    FilterIndex(key);
    if (browser_->source().isEmpty() && !books_.empty()) ShowPage(QString::fromStdString(books_.front().indexPage));
    show();
    raise();
    activateWindow();
    indexKey_->setFocus();
}

QString HelpViewer::TopicPage(int topic) const {
    const auto it = topics_.find(topic);
    return it == topics_.end() ? QString() : it->second;
}

bool HelpViewer::PopUpTopic(int topic, QWidget* owner) {
    const QString page = TopicPage(topic);
    if (page.isEmpty()) return false;
    auto* popup = new QDialog(owner, Qt::Tool);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setWindowTitle("Quorle Help");
    auto* layout = new QVBoxLayout(popup);
    auto* text = new QTextBrowser(popup);
    text->setSearchPaths({folder_});
    text->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(page)));
    layout->addWidget(text);
    auto* close = new QPushButton("Close", popup);
    connect(close, &QPushButton::clicked, popup, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    popup->resize(460, 340);
    popup->show();
    return true;
}

}  // namespace quorle::qt
