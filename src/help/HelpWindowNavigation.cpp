#include "help/HelpWindow.h"

#include "help/HelpPages.h"

#include "ui_HelpWindow.h"

#include <QStandardItemModel>

namespace {

const QString categoryPrefix = QStringLiteral("CATEGORY:");

} // namespace

void HelpWindow::ShowHelp(const QString& key, const QString& text)
{
    if (!isVisible())
        show();
    raise();
    activateWindow();

    QStandardItem* item = FindNavigationItem(key);
    // A category key that names no item exactly was typed loosely (VARIABLE,
    // MATH FUNCTIONS). A loose match by name may be a different category
    // (USERDEFINEDFUNCTIONS holds FUNCTIONS), while the page the command
    // produced tells which category was meant.
    if (key.startsWith(categoryPrefix) && !itemsByKey.contains(key))
        item = CategoryItemShowing(text);
    if (item)
        SelectAndShowItem(ItemShowingText(item, text));
    else
        ShowStandaloneText(text);
}

QStandardItem* HelpWindow::ItemShowingText(QStandardItem* item, const QString& text) const
{
    const QList<QStandardItem*> sharing = itemsByKey.value(item->data(KeyRole).toString());
    for (QStandardItem* candidate : sharing) {
        if (textsByItem.value(candidate) == text)
            return candidate;
    }
    return item;
}

QStandardItem* HelpWindow::CategoryItemShowing(const QString& text) const
{
    if (text.isEmpty())
        return nullptr;
    for (auto it = itemsByKey.constBegin(); it != itemsByKey.constEnd(); ++it) {
        if (!it.key().startsWith(categoryPrefix))
            continue;
        for (QStandardItem* item : *it) {
            if (textsByItem.value(item) == text)
                return item;
        }
    }
    return nullptr;
}

QStandardItem* HelpWindow::FindNavigationItem(const QString& key) const
{
    if (key.isEmpty())
        return nullptr;
    const auto itemUnder = [this](const QString& itemKey) -> QStandardItem* {
        const auto found = itemsByKey.constFind(itemKey);
        return found == itemsByKey.constEnd() || found->isEmpty() ? nullptr : found->first();
    };
    if (QStandardItem* item = itemUnder(key))
        return item;
    const QString normalized = NormalizeKey(key);
    if (QStandardItem* item = itemUnder(QStringLiteral("TOPIC:") + normalized))
        return item;
    if (QStandardItem* item = itemUnder(categoryPrefix + normalized))
        return item;
    for (const QList<QStandardItem*>& items : itemsByKey) {
        for (QStandardItem* item : items) {
            if (NormalizeKey(item->text()) == normalized)
                return item;
        }
    }
    if (normalized.size() < 4)
        return nullptr;
    // A part of a category's name, when it names only one.
    QStandardItem* match = nullptr;
    for (auto it = itemsByKey.constBegin(); it != itemsByKey.constEnd(); ++it) {
        if (!it.key().startsWith(categoryPrefix) || it->isEmpty())
            continue;
        const QString label = NormalizeKey(it->first()->text());
        if (label.contains(normalized) || normalized.contains(label)) {
            if (match)
                return nullptr;
            match = it->first();
        }
    }
    return match;
}

void HelpWindow::SelectAndShowItem(QStandardItem* item)
{
    if (!item)
        return;
    const QModelIndex index = item->index();
    ui->helpTree->setCurrentIndex(index);
    ui->helpTree->scrollTo(index, QAbstractItemView::EnsureVisible);
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent())
        ui->helpTree->expand(ancestor);
    ShowCurrentTreeItem();
}

void HelpWindow::ShowStandaloneText(const QString& text)
{
    ui->helpTree->selectionModel()->clearSelection();
    currentText = text;
    RefreshDisplayedHelpText();
    ui->statusLabel->setText(QStringLiteral("Help"));
}

void HelpWindow::ShowCurrentTreeItem()
{
    const QModelIndex index = ui->helpTree->currentIndex();
    if (!index.isValid())
        return;
    QStandardItem* item = model->itemFromIndex(index);
    if (!item)
        return;
    currentText = textsByItem.value(item);
    RefreshDisplayedHelpText();
    ui->statusLabel->setText(item->text());
}

QString HelpWindow::NormalizeKey(QString text) const
{
    // The pages are keyed by the command's own rule, so the two must agree.
    return NormalizeHelpKey(std::move(text));
}

void HelpWindow::ApplySearch()
{
    const QString query = ui->searchEdit->text().trimmed();
    for (int row = 0; row < model->rowCount(); ++row) {
        const bool visible = FilterTreeItem(model->item(row), query);
        ui->helpTree->setRowHidden(row, QModelIndex(), !visible);
    }
    if (query.isEmpty()) {
        // The tree stays as expanded as the search left it.
        ui->statusLabel->setText(QStringLiteral("Help"));
        return;
    }
    ExpandWholeTree(model->invisibleRootItem());
    const int count = CountVisibleArticles(model->invisibleRootItem());
    ui->statusLabel->setText(QString::number(count)
                             + (count == 1 ? QStringLiteral(" topic") : QStringLiteral(" topics")));
}

void HelpWindow::ExpandWholeTree(const QStandardItem* item)
{
    // expandAll passes over hidden rows, which would come back collapsed
    // once the filter is emptied; expanding each item reaches them too.
    if (!item->hasChildren())
        return;
    if (item->index().isValid())
        ui->helpTree->expand(item->index());
    for (int row = 0; row < item->rowCount(); ++row)
        ExpandWholeTree(item->child(row));
}

bool HelpWindow::FilterTreeItem(QStandardItem* item, const QString& query)
{
    if (!item)
        return false;
    bool childVisible = false;
    const QModelIndex index = item->index();
    for (int row = 0; row < item->rowCount(); ++row) {
        const bool visible = FilterTreeItem(item->child(row), query);
        ui->helpTree->setRowHidden(row, index, !visible);
        childVisible = childVisible || visible;
    }
    if (query.isEmpty())
        return true;
    return ItemMatchesSearch(item, query) || childVisible;
}

bool HelpWindow::ItemMatchesSearch(QStandardItem* item, const QString& query) const
{
    if (!item)
        return false;
    return searchTextsByItem.value(item).contains(query, Qt::CaseInsensitive);
}

int HelpWindow::CountVisibleArticles(QStandardItem* item) const
{
    if (!item)
        return 0;
    int count = item->data(TopicRole).toBool() ? 1 : 0;
    const QModelIndex index = item->index();
    for (int row = 0; row < item->rowCount(); ++row) {
        if (!ui->helpTree->isRowHidden(row, index))
            count += CountVisibleArticles(item->child(row));
    }
    return count;
}
