#include "terms/NextTerms.h"

#include "calendar/DateUtils.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QColor NameColor(0x15, 0x3A, 0x77);
const QColor DueColor(0x99, 0x22, 0x25);

QString SortKey(const QString &payable)
{
    const QDate date = ParseDateText(payable);
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : payable;
}

} // namespace

std::vector<TNextTermsData> CollectNextTerms(const TAccTable &table)
{
    std::vector<std::pair<QString, TNextTermsData>> keyed;
    for (const TAccRecord &record : table) {
        if (!record.IsUsed())
            continue;
        for (int t = 0; t < MaxTerms; ++t) {
            const auto i = static_cast<std::size_t>(t);
            if (record.TermPayable[i].IsEmpty() || record.TermDone[i] != 0)
                continue;
            const QString payable = record.TermPayable[i].Text();
            keyed.push_back({SortKey(payable),
                             {record.AccName.Text(), record.AccLegend.Text(), payable, record.TermAmount[i].Text()}});
            break;
        }
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    std::vector<TNextTermsData> entries;
    entries.reserve(keyed.size());
    for (auto &k : keyed)
        entries.push_back(std::move(k.second));
    return entries;
}

void FillNextTerms(QTextDocument &document, const TAccTable &table, QDate today)
{
    document.clear();
    QTextCursor cursor(&document);
    QTextCharFormat name;
    name.setFontWeight(QFont::Bold);
    name.setForeground(NameColor);
    QTextCharFormat legend;
    legend.setFontWeight(QFont::Normal);
    legend.setForeground(NameColor);
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(Qt::black);
    QTextCharFormat due = plain;
    due.setForeground(DueColor);

    bool first = true;
    auto line = [&](const QString &text, const QTextCharFormat &format) {
        if (!first)
            cursor.insertBlock(QTextBlockFormat(), format);
        first = false;
        cursor.setCharFormat(format);
        cursor.insertText(text, format);
    };
    for (const TNextTermsData &entry : CollectNextTerms(table)) {
        line(entry.Name, name);
        if (!entry.Legende.isEmpty())
            line(entry.Legende, legend);
        const QDate date = ParseDateText(entry.Payable);
        QString amount = entry.Amount;
        line(entry.Payable + QStringLiteral(" (") + amount.replace(u'.', u',') + u')',
             date.isValid() && today >= date ? due : plain);
        line(QString(), plain);
    }
}

QString InvoiceCountText(int count)
{
    if (count <= 0)
        return QStringLiteral("Keine Rechnung vorhanden");
    if (count == 1)
        return QStringLiteral("1 Rechnung vorhanden");
    return QStringLiteral("%1 Rechnungen vorhanden").arg(count);
}
