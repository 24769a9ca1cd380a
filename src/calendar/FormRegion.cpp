#include "calendar/FormRegion.h"

#include "calendar/Holidays.h"
#include "controls/DialogParts.h"
#include "controls/TesselButton.h"
#include "controls/VistaGradPanel.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// At this dialog's width the header text wraps to three lines, one more than
// the standard band holds; the band grows so that the last line is not cut.
// The panel writes its caption right of the picture with 2 pixels above and
// below, 4 at the right, and draws a line at the bottom.
void FitHeaderToText(TVistaGradPanel &header, int dialogWidth, const QString &text)
{
    const int pictureRight = header.PicIdle().isNull() ? 4 : header.PicIdle().width() + 6;
    const QFontMetrics metrics(header.Font(), &header);
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, dialogWidth - 4 - pictureRight, 1000), Qt::AlignTop | Qt::TextWordWrap, text);
    header.setFixedHeight(std::max(header.minimumHeight(), wrapped.height() + 2 + 2 + 1));
}

} // namespace

TFormRegion::TFormRegion(int region, bool showHolidays, const QString &helpFile, QWidget *parent)
    : QDialog(parent),
      m_comboRegion(new QComboBox(this)),
      m_checkBoxShow(new QCheckBox(QStringLiteral("Feiertagsnamen im Kalender"), this)),
      m_helpFile(helpFile),
      m_region(region),
      m_showHolidays(showHolidays)
{
    const QSize clientSize(273, 174);
    PrepareDialog(*this, QStringLiteral("FormRegion"), QStringLiteral("Feiertage (Region)"), clientSize);
    const QString headerText = QStringLiteral("Bitte wählen Sie ein Bundesland, um länder- abhängige "
                                              "Feiertage im Kalender anzuzeigen.");
    auto *header = MakeDialogHeader(this, headerText, QStringLiteral(":/icons/headers/region.svg"));
    FitHeaderToText(*header, clientSize.width(), headerText);

    m_comboRegion->setObjectName(QStringLiteral("ComboRegion"));
    for (const QStringView name : RegionNames)
        m_comboRegion->addItem(name.toString());
    m_comboRegion->setCurrentIndex(region >= 0 && region < RegionCount ? region : 0);
    auto *label = new QLabel(QStringLiteral("Bundesland:"), this);
    label->setBuddy(m_comboRegion);
    m_checkBoxShow->setObjectName(QStringLiteral("CheckBoxShow"));
    m_checkBoxShow->setChecked(showHolidays);

    const TDialogButtons dialogButtons = MakeDialogButtons(
        *this, QStringLiteral("OK"), [this] { ShowHelp(this, m_helpFile, HelpTopic::Region); });

    QHBoxLayout *buttons = dialogButtons.Row;

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->setSpacing(4);
    body->addWidget(label);
    body->addWidget(m_comboRegion);
    body->addWidget(m_checkBoxShow);
    body->addStretch();
    body->addLayout(buttons);

    StackHeaderAndBody(*this, header, body);
    m_comboRegion->setFocus();
}

void TFormRegion::accept()
{
    m_region = m_comboRegion->currentIndex();
    m_showHolidays = m_checkBoxShow->isChecked();
    QDialog::accept();
}
