#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class TTesselTabsControl;
struct TAccRecord;

// The bank, contact and note fields of the selected invoice under their tab
// strip. Every keystroke goes straight into the record shown; without a
// record the fields are empty and disabled.
class TAccDataPanels : public QWidget
{
    Q_OBJECT

public:
    explicit TAccDataPanels(QWidget *parent = nullptr);
    ~TAccDataPanels() override;

    // Shows the record and writes later edits into it; nullptr empties and
    // disables the fields. Showing writes nothing.
    void ShowRecord(TAccRecord *record);
    TAccRecord *Record() const { return m_record; }

    // Called after every edit that reached the record.
    void SetOnModified(std::function<void()> onModified) { m_onModified = std::move(onModified); }

    TTesselTabsControl *Tabs() const { return m_tabs; }

private:
    struct TBinding;

    QWidget *MakeBankPanel();
    QWidget *MakeContactPanel();
    QWidget *MakeNotePanel();
    QLineEdit *AddEdit(const QString &name, int maxLength,
                       std::function<QString(const TAccRecord &)> get,
                       std::function<void(TAccRecord &, const QString &)> set);
    void Store(const TBinding &binding, const QString &text);

    TTesselTabsControl *m_tabs;
    QStackedWidget *m_pages;
    std::vector<TBinding> m_bindings;
    QPlainTextEdit *m_memo = nullptr;
    TAccRecord *m_record = nullptr;
    std::function<void()> m_onModified;
};
