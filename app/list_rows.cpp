#include "app/list_rows.h"

#include "platform/codepage.h"

#include <QListWidget>

namespace wenlocke {
namespace {

constexpr int kTextRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kIdRole = Qt::UserRole + 2;
constexpr int kIdCutRole = Qt::UserRole + 3;

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

std::string String(const QVariant& value)
{
    return value.toByteArray().toStdString();
}

QListWidgetItem* AddRow(QListWidget& list, std::string_view gbkText)
{
    auto* item = new QListWidgetItem(GbkToQString(gbkText));
    item->setData(kTextRole, Bytes(gbkText));
    list.addItem(item);
    return item;
}

QListWidgetItem* SelectedItem(const QListWidget& list)
{
    const QList<QListWidgetItem*> items = list.selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

} // namespace

QString GbkToQString(std::string_view gbk)
{
    return QString::fromStdString(platform::CodePageToUtf8(gbk, platform::kCodePageGbk));
}

std::string QStringToGbk(const QString& text)
{
    return platform::Utf8ToCodePage(text.toStdString(), platform::kCodePageGbk);
}

void AddCatalogRow(QListWidget& list, const CatalogRow& row)
{
    QListWidgetItem* item = AddRow(list, row.Text);
    item->setData(kNameRole, Bytes(row.Info.Name));
    item->setData(kIdRole, Bytes(row.Info.Id));
    item->setData(kIdCutRole, row.Info.IdCut);
}

void AddTextRow(QListWidget& list, const std::string& gbkText)
{
    AddRow(list, gbkText);
}

std::optional<std::string> SelectedRowText(const QListWidget& list)
{
    const QListWidgetItem* item = SelectedItem(list);
    if (!item)
        return std::nullopt;
    return String(item->data(kTextRole));
}

std::optional<TFileInfo> SelectedRowInfo(const QListWidget& list)
{
    const QListWidgetItem* item = SelectedItem(list);
    if (!item)
        return std::nullopt;
    return TFileInfo{String(item->data(kNameRole)), String(item->data(kIdRole)),
                     item->data(kIdCutRole).toBool()};
}

} // namespace wenlocke
