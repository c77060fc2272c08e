#include "help/HelpWindow.h"

#include "ui_HelpWindow.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QMenu>
#include <QResizeEvent>
#include <QStandardItemModel>

#include <algorithm>

namespace {

// Categories in the order of the Tools menu; any others follow, sorted.
const char* const preferredCategoryOrder[] = {
    "BASICS",           "FUNCTIONS",        "PROGRAMMER MATH", "STATISTICS", "FINANCIAL", "GD&T",     "DATE & TIME",
    "UNIT CONVERSIONS", "CUSTOM FUNCTIONS", "VARIABLES",       "EQUATIONS",  "SOLVER",    "SETTINGS", "PAD",
    "COMMANDS",         "WINDOW",           "WINDOWS"};

} // namespace

HelpWindow::HelpWindow(const QList<HelpWindowArticle>& givenArticles, const QMap<QString, QString>& givenCategoryPages,
                       const QString& givenIndexText, const QString& givenAboutText, const QString& givenFullManualText,
                       QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_HelpWindow)
    , articles(givenArticles)
    , categoryPages(givenCategoryPages)
    , indexText(givenIndexText)
    , aboutText(givenAboutText)
    , fullManualText(givenFullManualText)
{
    ui->setupUi(this);
    // A window of its own, although the main window owns it.
    setWindowFlag(Qt::Window);

    model = new QStandardItemModel(this);
    model->setHorizontalHeaderLabels({QStringLiteral("Help")});
    ui->helpTree->setModel(model);
    ui->helpTree->setHeaderHidden(true);
    ui->helpTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->helpTree->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(ui->helpSplitter, &QSplitter::splitterMoved, this, [this] { RefreshDisplayedHelpText(); });
    connect(ui->helpTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowTreeContextMenu(position); });
    ui->helpText->setReadOnly(true);
    // The pages line up examples and tables in columns, which only a
    // fixed-pitch font keeps.
    ui->helpText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui->helpSplitter->setChildrenCollapsible(false);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->helpTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShowCurrentTreeItem(); });
    connect(ui->searchEdit, &QLineEdit::textChanged, this, [this] { ApplySearch(); });

    BuildTree();
    resize(545, 478);
}

HelpWindow::~HelpWindow()
{
    delete ui;
}

void HelpWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int width = event->size().width();
    const int height = event->size().height();
    ui->helpSplitter->setGeometry(0, 0, width - 2, height - 28);
    // The label takes the room its text needs in the font at hand, and the
    // field starts after it while its right edge stays where it was.
    const QSize labelSize = ui->searchLabel->sizeHint();
    ui->searchLabel->setGeometry(5, height - 24 + (21 - labelSize.height()) / 2, labelSize.width(), labelSize.height());
    const int searchLeft = qMax(40, 5 + labelSize.width() + 4);
    ui->searchEdit->setGeometry(searchLeft, height - 24, qMax(width - 334 - searchLeft, 60), 21);
    ui->statusLabel->setGeometry(width - 325, height - 24, 251, 21);
    ui->closeButton->setGeometry(width - 69, height - 23, 65, 20);
    // Only the first size is ours to give; after that the user's splitter
    // position stands.
    if (!splitterSized) {
        ui->helpSplitter->setSizes({170, qMax(width - 174, 100)});
        splitterSized = true;
    }
    RefreshDisplayedHelpText();
}

void HelpWindow::ShowTreeContextMenu(const QPoint& position)
{
    QMenu menu(ui->helpTree);
    QAction* expandAll = menu.addAction(QCoreApplication::translate("HelpWindow", "Expand All"));
    QAction* collapseAll = menu.addAction(QCoreApplication::translate("HelpWindow", "Collapse All"));
    QAction* chosen = menu.exec(ui->helpTree->viewport()->mapToGlobal(position));
    if (chosen == expandAll)
        ui->helpTree->expandAll();
    else if (chosen == collapseAll)
        ui->helpTree->collapseAll();
}

QStandardItem* HelpWindow::AddItem(QStandardItem* parent, const QString& label, const QString& key, bool topic,
                                   const QString& text, const QString& searchText)
{
    auto* item = new QStandardItem(label);
    item->setData(key, KeyRole);
    item->setData(topic, TopicRole);
    if (parent)
        parent->appendRow(item);
    else
        model->appendRow(item);
    itemsByKey[key].append(item);
    textsByItem.insert(item, text);
    searchTextsByItem.insert(item, searchText);
    return item;
}

void HelpWindow::BuildTree()
{
    model->clear();
    model->setHorizontalHeaderLabels({QStringLiteral("Help")});
    itemsByKey.clear();
    textsByItem.clear();
    searchTextsByItem.clear();

    QStandardItem* root = AddItem(nullptr, QStringLiteral("Sumvelle Help"), QStringLiteral("SPECIAL:INDEX"), false,
                                  indexText, QStringLiteral("SUMVELLE HELP INDEX CONTENTS"));

    // Categories in order of first appearance, the first spelling kept.
    QStringList collected;
    for (const HelpWindowArticle& article : std::as_const(articles)) {
        if (!collected.contains(article.category, Qt::CaseInsensitive))
            collected.append(article.category);
    }
    QStringList ordered;
    for (const char* preferred : preferredCategoryOrder) {
        for (const QString& category : std::as_const(collected)) {
            if (category.compare(QLatin1String(preferred), Qt::CaseInsensitive) == 0) {
                ordered.append(category);
                break;
            }
        }
    }
    QStringList others;
    for (const QString& category : std::as_const(collected)) {
        if (!ordered.contains(category, Qt::CaseInsensitive))
            others.append(category);
    }
    std::sort(others.begin(), others.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    ordered += others;
    for (const QString& category : std::as_const(ordered))
        AddCategory(category, root);

    AddItem(root, QStringLiteral("Using HELP"), QStringLiteral("SPECIAL:ABOUT"), false, aboutText,
            QStringLiteral("USING HELP HELP COMMAND SEARCH"));
    AddItem(root, QStringLiteral("Complete Help Manual"), QStringLiteral("SPECIAL:ALL"), false, fullManualText,
            QStringLiteral("COMPLETE HELP MANUAL ALL"));

    ui->helpTree->expand(root->index());
    SelectAndShowItem(root);
}

void HelpWindow::AddCategory(const QString& category, QStandardItem* parent)
{
    const QString normalized = NormalizeKey(category);
    QString page = categoryPages.value(normalized);
    // Categories without a page of their own list their topics.
    if (page.isEmpty()) {
        page = QStringLiteral("================ ") + category + QStringLiteral(" ================\n\n");
        for (const HelpWindowArticle& article : std::as_const(articles)) {
            if (article.category.compare(category, Qt::CaseInsensitive) == 0)
                page += article.title + QStringLiteral("\n    ") + article.summary + QStringLiteral("\n\n");
        }
        page += QString(52, QLatin1Char('='));
    }
    QStandardItem* item = AddItem(parent, category, QStringLiteral("CATEGORY:") + normalized, false, page, category);
    for (const HelpWindowArticle& article : std::as_const(articles)) {
        if (article.category.compare(category, Qt::CaseInsensitive) == 0)
            AddArticle(article, item);
    }
}

void HelpWindow::AddArticle(const HelpWindowArticle& article, QStandardItem* parent)
{
    const QString searchText = article.title + QLatin1Char(' ') + article.category + QLatin1Char(' ')
        + article.aliases.join(QLatin1Char(' ')) + QLatin1Char(' ') + article.summary + QLatin1Char(' ') + article.text;
    AddItem(parent, article.title, QStringLiteral("TOPIC:") + NormalizeKey(article.title), true, article.text,
            searchText);
}
