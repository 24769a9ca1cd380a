#include "shell/AccDataPanels.h"

#include "controls/TesselTabsControl.h"
#include "storage/AccRecord.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

// One edit field and the record field it stands for.
struct TAccDataPanels::TBinding
{
    QWidget *Control;
    std::function<QString(const TAccRecord &)> Get;
    std::function<void(TAccRecord &, const QString &)> Set;
};

namespace {

// A getter and setter pair for one text field of the record.
template <auto Field>
std::function<QString(const TAccRecord &)> Getter()
{
    return [](const TAccRecord &r) { return (r.*Field).Text(); };
}

template <auto Field>
std::function<void(TAccRecord &, const QString &)> Setter()
{
    return [](TAccRecord &r, const QString &text) { (r.*Field).SetText(text); };
}

const QStringList BankNames = {
    "Commerzbank", "Deutsche Bank", "Dresdner Bank", "Kreissparkasse", "Landesbank", "Postbank",
    "Raiffeisenbank", "Sparda-Bank", "Sparkasse", "Spar- und Kreditbank", "Volksbank", "Volks- und Raiffeisenbank",
};

QWidget *Page(const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, QColor(0xEB, 0xE8, 0xDA));
    page->setPalette(pal);
    return page;
}

QLabel *Label(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TAccDataPanels::TAccDataPanels(QWidget *parent)
    : QWidget(parent), m_tabs(new TTesselTabsControl(this)), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("PanelData"));
    m_tabs->setObjectName(QStringLiteral("TesselTabsData"));
    m_tabs->SetTabStyle(TStyle::sTopToBottom);
    m_tabs->SetTabItems({QStringLiteral("Bankverbindung"), QStringLiteral("Kontakt"), QStringLiteral("Bemerkungen")});
    m_tabs->SetImages({QIcon(QStringLiteral(":/icons/tabs/bank.svg")).pixmap(16).toImage(),
                       QIcon(QStringLiteral(":/icons/tabs/contact.svg")).pixmap(16).toImage(),
                       QIcon(QStringLiteral(":/icons/tabs/note.svg")).pixmap(16).toImage()});

    m_pages->addWidget(MakeBankPanel());
    m_pages->addWidget(MakeContactPanel());
    m_pages->addWidget(MakeNotePanel());
    connect(m_tabs, &TTesselTabsControl::Change, this, [this] {
        if (m_tabs->TabIndex() >= 0)
            m_pages->setCurrentIndex(m_tabs->TabIndex());
    });
    m_tabs->SetTabIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);
    ShowRecord(nullptr);
}

TAccDataPanels::~TAccDataPanels() = default;

QLineEdit *TAccDataPanels::AddEdit(const QString &name, int maxLength,
                                   std::function<QString(const TAccRecord &)> get,
                                   std::function<void(TAccRecord &, const QString &)> set)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    m_bindings.push_back({edit, std::move(get), std::move(set)});
    const std::size_t index = m_bindings.size() - 1;
    connect(edit, &QLineEdit::textChanged, this, [this, index](const QString &text) { Store(m_bindings[index], text); });
    return edit;
}

QWidget *TAccDataPanels::MakeBankPanel()
{
    QWidget *page = Page(QStringLiteral("PanelBank"));
    auto *holder = AddEdit(QStringLiteral("Edit_Holder"), 40, Getter<&TAccRecord::BankHolder>(),
                           Setter<&TAccRecord::BankHolder>());
    auto *number = AddEdit(QStringLiteral("Edit_Number"), 12, Getter<&TAccRecord::BankNumber>(),
                           Setter<&TAccRecord::BankNumber>());
    auto *code = AddEdit(QStringLiteral("Edit_Code"), 12, Getter<&TAccRecord::BankCode>(),
                         Setter<&TAccRecord::BankCode>());
    auto *iban = AddEdit(QStringLiteral("Edit_IBAN"), 30, Getter<&TAccRecord::BankIBAN>(),
                         Setter<&TAccRecord::BankIBAN>());
    auto *bic = AddEdit(QStringLiteral("Edit_BIC"), 15, Getter<&TAccRecord::BankBIC>(),
                        Setter<&TAccRecord::BankBIC>());

    auto *bank = new QComboBox;
    bank->setObjectName(QStringLiteral("ComboBox_Name"));
    bank->setEditable(true);
    bank->setInsertPolicy(QComboBox::NoInsert);
    bank->addItems(BankNames);
    bank->setCurrentIndex(-1);
    bank->lineEdit()->setMaxLength(40);
    m_bindings.push_back({bank, Getter<&TAccRecord::BankName>(), Setter<&TAccRecord::BankName>()});
    const std::size_t bankIndex = m_bindings.size() - 1;
    connect(bank, &QComboBox::editTextChanged, this,
            [this, bankIndex](const QString &text) { Store(m_bindings[bankIndex], text); });

    auto *use1 = AddEdit(QStringLiteral("Edit_Use1"), 60, Getter<&TAccRecord::BankUse1>(),
                         Setter<&TAccRecord::BankUse1>());
    auto *use2 = AddEdit(QStringLiteral("Edit_Use2"), 60, Getter<&TAccRecord::BankUse2>(),
                         Setter<&TAccRecord::BankUse2>());

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(Label(QStringLiteral("Empfänger:"), holder), 0, 0);
    grid->addWidget(holder, 0, 1, 1, 3);
    grid->addWidget(Label(QStringLiteral("Konto-Nr.:"), number), 1, 0);
    grid->addWidget(number, 1, 1);
    grid->addWidget(Label(QStringLiteral("Blz:"), code), 1, 2);
    grid->addWidget(code, 1, 3);
    grid->addWidget(Label(QStringLiteral("IBAN:"), iban), 2, 0);
    grid->addWidget(iban, 2, 1);
    grid->addWidget(Label(QStringLiteral("BIC:"), bic), 2, 2);
    grid->addWidget(bic, 2, 3);
    grid->addWidget(Label(QStringLiteral("Kreditinstitut:"), bank), 3, 0);
    grid->addWidget(bank, 3, 1, 1, 3);
    auto *useLabel = new QLabel(QStringLiteral("Kunden-Referenznummer - Verwendungszweck"));
    useLabel->setBuddy(use1);
    grid->addWidget(useLabel, 4, 0, 1, 4);
    grid->addWidget(Label(QStringLiteral("1:"), use1), 5, 0, Qt::AlignRight);
    grid->addWidget(use1, 5, 1, 1, 3);
    grid->addWidget(Label(QStringLiteral("2:"), use2), 6, 0, Qt::AlignRight);
    grid->addWidget(use2, 6, 1, 1, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget *TAccDataPanels::MakeContactPanel()
{
    QWidget *page = Page(QStringLiteral("PanelContact"));
    auto *form = new QFormLayout(page);
    form->setContentsMargins(8, 6, 8, 6);
    form->setVerticalSpacing(3);
    auto row = [&](const QString &label, QLineEdit *edit) { form->addRow(Label(label, edit), edit); };
    row(QStringLiteral("Name/Firma:"), AddEdit(QStringLiteral("Edit6"), 60, Getter<&TAccRecord::ContactName>(),
                                              Setter<&TAccRecord::ContactName>()));
    row(QStringLiteral("Ansprechpartner:"), AddEdit(QStringLiteral("Edit7"), 50,
                                                    Getter<&TAccRecord::ContactPerson>(),
                                                    Setter<&TAccRecord::ContactPerson>()));
    row(QStringLiteral("Straße:"), AddEdit(QStringLiteral("Edit8"), 60, Getter<&TAccRecord::ContactStreet>(),
                                          Setter<&TAccRecord::ContactStreet>()));
    row(QStringLiteral("Plz/Ort:"), AddEdit(QStringLiteral("Edit9"), 60, Getter<&TAccRecord::ContactCity>(),
                                           Setter<&TAccRecord::ContactCity>()));
    row(QStringLiteral("Tel.:"), AddEdit(QStringLiteral("Edit10"), 15, Getter<&TAccRecord::ContactPhone>(),
                                        Setter<&TAccRecord::ContactPhone>()));
    row(QStringLiteral("Fax:"), AddEdit(QStringLiteral("Edit11"), 15, Getter<&TAccRecord::ContactFax>(),
                                       Setter<&TAccRecord::ContactFax>()));
    row(QStringLiteral("E-Mail:"), AddEdit(QStringLiteral("Edit12"), 60, Getter<&TAccRecord::ContactEMail>(),
                                          Setter<&TAccRecord::ContactEMail>()));
    row(QStringLiteral("Internet:"), AddEdit(QStringLiteral("Edit13"), 60,
                                            Getter<&TAccRecord::ContactInternet>(),
                                            Setter<&TAccRecord::ContactInternet>()));
    return page;
}

QWidget *TAccDataPanels::MakeNotePanel()
{
    QWidget *page = Page(QStringLiteral("PanelNote"));
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("MemoNotiz"));
    m_memo->setAccessibleName(QStringLiteral("Bemerkungen"));
    m_memo->setTabChangesFocus(true);
    // The note keeps line breaks as CR LF; the memo shows plain line breaks.
    m_bindings.push_back({m_memo,
                          [](const TAccRecord &r) {
                              QString text = r.AccNote.Text();
                              return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                          },
                          [](TAccRecord &r, const QString &text) {
                              QString stored = text;
                              r.AccNote.SetText(stored.replace(u'\n', QStringLiteral("\r\n")));
                          }});
    const std::size_t index = m_bindings.size() - 1;
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this, index] {
        // The memo takes at most 250 characters, line breaks counted as two.
        QString text = m_memo->toPlainText();
        const qsizetype breaks = text.count(u'\n');
        if (text.size() + breaks > 250) {
            const QSignalBlocker block(m_memo);
            QString cut;
            int used = 0;
            for (const QChar c : text) {
                const int cost = c == u'\n' ? 2 : 1;
                if (used + cost > 250)
                    break;
                cut += c;
                used += cost;
            }
            m_memo->setPlainText(cut);
            m_memo->moveCursor(QTextCursor::End);
            text = cut;
        }
        Store(m_bindings[index], text);
    });
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(m_memo);
    return page;
}

void TAccDataPanels::Store(const TBinding &binding, const QString &text)
{
    if (m_record == nullptr)
        return;
    binding.Set(*m_record, text);
    if (m_onModified)
        m_onModified();
}

void TAccDataPanels::ShowRecord(TAccRecord *record)
{
    m_record = nullptr;
    for (const TBinding &b : m_bindings) {
        const QString text = record != nullptr ? b.Get(*record) : QString();
        const QSignalBlocker block(b.Control);
        if (auto *edit = qobject_cast<QLineEdit *>(b.Control))
            edit->setText(text);
        else if (auto *combo = qobject_cast<QComboBox *>(b.Control))
            combo->setEditText(text);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(b.Control))
            memo->setPlainText(text);
    }
    m_record = record;
    m_pages->setEnabled(record != nullptr);
}
