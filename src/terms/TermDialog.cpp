#include "terms/TermDialog.h"

#include "calendar/DateUtils.h"
#include "controls/DialogParts.h"
#include "controls/TesselButton.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// 8 characters leave room for the " €" suffix in the stored 10-character field.
constexpr int MaxAmountLength = 8;
constexpr int MaxDescriptLength = 60;
constexpr int MaxRemarkLength = 30;

const QColor DarkGreen(0x51, 0x71, 0x5C);
const QColor LightGreen(0x9B, 0xC1, 0xAA);
const QColor Sand(0xEB, 0xE9, 0xE2);

// What the amount field keeps of a text: digits and full stops, a comma
// turned into a full stop, nothing else.
QString AmountCharacters(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (c == u',')
            kept += u'.';
        else if (c == u'.' || (c >= u'0' && c <= u'9'))
            kept += c;
    }
    return kept;
}

// A calendar page with a euro coin in front of it.
QPixmap TermPicture(qreal dpr)
{
    const QSize size(140, 80);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF page(30.5, 8.5, 74, 62);
    p.setPen(QPen(DarkGreen, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 3, 3);
    const QRectF band(page.left(), page.top(), page.width(), 14);
    QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
    bandFill.setColorAt(0, LightGreen);
    bandFill.setColorAt(1, DarkGreen);
    QPainterPath bandPath;
    bandPath.addRoundedRect(band, 3, 3);
    bandPath.addRect(band.adjusted(0, 6, 0, 0));
    p.fillPath(bandPath.simplified(), bandFill);
    // Rings that hold the page.
    p.setBrush(Sand);
    for (qreal x : {page.left() + 16, page.right() - 16})
        p.drawRoundedRect(QRectF(x - 2, page.top() - 5, 4, 10), 2, 2);
    // Day squares, one of them the due day.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 6; ++col) {
            const QRectF day(page.left() + 5 + col * 11.2, page.top() + 19 + row * 10, 8, 7);
            p.setBrush(row == 2 && col == 2 ? DarkGreen : Sand.darker(108));
            p.drawRect(day);
        }
    }

    const QPointF centre(104, 52);
    const qreal radius = 22;
    QRadialGradient coinFill(centre - QPointF(7, 7), radius * 1.6);
    coinFill.setColorAt(0, LightGreen.lighter(115));
    coinFill.setColorAt(1, DarkGreen);
    p.setPen(QPen(DarkGreen.darker(130), 1.5));
    p.setBrush(coinFill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Sand, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 4, radius - 4);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QStringLiteral("€"));
    return pixmap;
}

} // namespace

TTermDialog::TTermDialog(const QString &caption, const TTermValues &values, QDate today, const QString &helpFile,
                         QWidget *parent)
    : QDialog(parent), m_editPayable(new QDateEdit(this)), m_editAmount(new QLineEdit(this)),
      m_editDescript(new QLineEdit(this)), m_checkBoxOK(new QCheckBox(QStringLiteral("Erledigungsvermerk:"), this)),
      m_comboRemark(new QComboBox(this)), m_timer(new QTimer(this)), m_values(values), m_helpFile(helpFile)
{
    PrepareDialog(*this, QStringLiteral("TermDialog"), caption, QSize(353, 201));

    auto *labelPayable = new QLabel(QStringLiteral("Fällig am:"), this);
    m_editPayable->setObjectName(QStringLiteral("EditPayable"));
    m_editPayable->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_editPayable->setCalendarPopup(true);
    // The pop-up calendar names months and days in German, whatever the system says.
    m_editPayable->setLocale(QLocale(QLocale::German, QLocale::Germany));
    const QDate payable = ParseDateText(values.Payable);
    m_editPayable->setDate(payable.isValid() ? payable : today);
    m_editPayable->setFixedWidth(105);
    labelPayable->setBuddy(m_editPayable);

    auto *labelAmount = new QLabel(QStringLiteral("Betrag:"), this);
    m_editAmount->setObjectName(QStringLiteral("EditAmount"));
    m_editAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A longer amount of an older file is shown whole; it is never cut.
    m_editAmount->setMaxLength(std::max<int>(MaxAmountLength, static_cast<int>(values.Amount.size())));
    m_editAmount->setText(values.Amount);
    // Typing and pasting are filtered in eventFilter; the validator turns
    // away what reaches the field by other ways (drops, input methods).
    m_editAmount->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), m_editAmount));
    m_editAmount->installEventFilter(this);
    m_editAmount->setFixedWidth(80);
    labelAmount->setBuddy(m_editAmount);
    auto *labelEuro = new QLabel(QStringLiteral("€"), this);

    auto *labelDescript = new QLabel(QStringLiteral("Bemerkung:"), this);
    m_editDescript->setObjectName(QStringLiteral("EditDescript"));
    m_editDescript->setMaxLength(MaxDescriptLength);
    m_editDescript->setText(values.Descript);
    labelDescript->setBuddy(m_editDescript);

    auto *checkPicture = new QLabel(this);
    checkPicture->setPixmap(QPixmap::fromImage(ResourcePicture(QStringLiteral(":/icons/buttons/ok.svg"), 16)));
    checkPicture->setFixedSize(16, 16);
    m_checkBoxOK->setObjectName(QStringLiteral("CheckBoxOK"));
    m_checkBoxOK->setChecked(values.Done);

    m_comboRemark->setObjectName(QStringLiteral("ComboRemark"));
    m_comboRemark->setEditable(true);
    m_comboRemark->setInsertPolicy(QComboBox::NoInsert);
    m_comboRemark->lineEdit()->setMaxLength(MaxRemarkLength);
    const QString todayText = DateText(today);
    m_comboRemark->addItems({QStringLiteral("Erledigt"), QStringLiteral("Überwiesen am ") + todayText,
                             QStringLiteral("Eingezahlt am ") + todayText,
                             QStringLiteral("Übergeben am ") + todayText, QStringLiteral("Dauerauftrag"),
                             QStringLiteral("Lastschrift")});
    // Adding the proposals put the first one into the field; the given note wins.
    m_comboRemark->setEditText(values.Remark);
    m_comboRemark->setAccessibleName(QStringLiteral("Erledigungsvermerk"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageTerm"));
    picture->setPixmap(TermPicture(devicePixelRatioF()));
    picture->setFixedSize(140, 80);

    const TDialogButtons dialogButtons =
        MakeDialogButtons(*this, QStringLiteral("Speichern"),
                          [this] { ShowHelp(this, m_helpFile, HelpTopic::TermDialog); }, QStringLiteral("Hilfe"));
    m_btnOK = dialogButtons.OK;

    auto *amountRow = new QHBoxLayout;
    amountRow->setSpacing(4);
    amountRow->addWidget(m_editAmount);
    amountRow->addWidget(labelEuro);
    amountRow->addStretch();

    auto *doneRow = new QHBoxLayout;
    doneRow->setContentsMargins(0, 3, 0, 0);
    doneRow->setSpacing(4);
    doneRow->addWidget(checkPicture);
    doneRow->addWidget(m_checkBoxOK);
    doneRow->addWidget(m_comboRemark, 1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    grid->addWidget(labelPayable, 0, 0);
    grid->addWidget(m_editPayable, 0, 1, Qt::AlignLeft);
    grid->addWidget(labelAmount, 1, 0);
    grid->addLayout(amountRow, 1, 1);
    // The two rows beside the picture share its height.
    grid->addWidget(picture, 0, 2, 2, 1, Qt::AlignTop | Qt::AlignRight);
    grid->setRowMinimumHeight(0, 37);
    grid->setRowMinimumHeight(1, 37);
    grid->addWidget(labelDescript, 2, 0);
    grid->addWidget(m_editDescript, 2, 1, 1, 2);
    grid->addLayout(doneRow, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    QHBoxLayout *buttons = dialogButtons.Row;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(0);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    // The timer catches every way the amount can change, the text signal
    // answers at once while the user types.
    m_timer->setInterval(300);
    connect(m_timer, &QTimer::timeout, this, &TTermDialog::UpdateButtons);
    connect(m_editAmount, &QLineEdit::textChanged, this, &TTermDialog::UpdateButtons);
    UpdateButtons();
}

void TTermDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_timer->start();
}

void TTermDialog::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

void TTermDialog::UpdateButtons()
{
    m_btnOK->setEnabled(!m_editAmount->text().isEmpty());
}

void TTermDialog::InsertAmount(const QString &text)
{
    // QLineEdit::insert replaces the selection, keeps the length limit and
    // records the change for undo, as typing does.
    const QString kept = AmountCharacters(text);
    if (!kept.isEmpty())
        m_editAmount->insert(kept);
}

void TTermDialog::PasteAmount(QClipboard::Mode mode)
{
    if (!m_editAmount->isReadOnly())
        InsertAmount(QGuiApplication::clipboard()->text(mode));
}

bool TTermDialog::AmountKeyPress(const QKeyEvent &key)
{
    if (key.matches(QKeySequence::Paste)) {
        PasteAmount(QClipboard::Clipboard);
        return true;
    }
    // Control and editing keys bring no printable text; Ctrl with a letter
    // is a short-cut, which the field handles itself.
    const QString text = key.text();
    const Qt::KeyboardModifiers mods = key.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (text.isEmpty() || !text.front().isPrint() || mods == Qt::ControlModifier
        || mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    InsertAmount(text);
    return true;
}

void TTermDialog::ShowAmountMenu(const QPoint &globalPos)
{
    // The field's own menu, with its paste entry filtered like Ctrl+V.
    QMenu *menu = m_editAmount->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The paste entry is the one wired to QLineEdit::paste; its text is
    // translated and it carries no name. Qt has wired it by name or by
    // pointer, depending on the version.
    for (QAction *action : menu->actions()) {
        const bool wasPaste = disconnect(action, SIGNAL(triggered()), m_editAmount, SLOT(paste()))
                              || disconnect(action, &QAction::triggered, m_editAmount, &QLineEdit::paste);
        if (wasPaste)
            connect(action, &QAction::triggered, this, [this] { PasteAmount(QClipboard::Clipboard); });
    }
    menu->popup(globalPos);
}

bool TTermDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editAmount)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return AmountKeyPress(*static_cast<QKeyEvent *>(event));
    case QEvent::ContextMenu:
        ShowAmountMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where X11 keeps one.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        m_editAmount->deselect();
        PasteAmount(QClipboard::Selection);
        return true;
    }
    default:
        return false;
    }
}

void TTermDialog::accept()
{
    if (m_editAmount->text().isEmpty())
        return;
    m_values.Payable = DateText(m_editPayable->date());
    m_values.Amount = m_editAmount->text();
    m_values.Descript = m_editDescript->text();
    m_values.Remark = m_comboRemark->currentText();
    m_values.Done = m_checkBoxOK->isChecked();
    QDialog::accept();
}
