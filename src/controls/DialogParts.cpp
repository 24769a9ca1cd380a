#include "controls/DialogParts.h"

#include "controls/TesselButton.h"
#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QIcon>
#include <QImage>

void PrepareDialog(QDialog &dialog, const QString &objectName, const QString &title, QSize clientSize)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(title);
    dialog.setFixedSize(clientSize);
    dialog.setFont(QFont(QStringLiteral("Arial"), 9));
    dialog.setAutoFillBackground(true);
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, QColor(0xEB, 0xE9, 0xE2));
    dialog.setPalette(pal);
}

void StackHeaderAndBody(QDialog &dialog, QWidget *header, QLayout *body)
{
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addLayout(body);
}

QImage ResourcePicture(const QString &resource, int size)
{
    return QIcon(resource).pixmap(size, size).toImage();
}

TVistaGradPanel *MakeDialogHeader(QWidget *parent, const QString &text, const QString &pictureResource)
{
    auto *header = new TVistaGradPanel(parent);
    header->setObjectName(QStringLiteral("PanelHeader"));
    header->SetGradStyle(TGradStyle::gsDEFAULT);
    header->SetStartColor(QColor(0x51, 0x71, 0x5C));
    header->SetEndColor(QColor(0x9B, 0xC1, 0xAA));
    header->SetLineColor(QColor(0x3E, 0x57, 0x46));
    header->SetButtomLine(true);
    header->SetFontColor(Qt::white);
    QFont font = header->Font();
    font.setPointSize(8);
    header->SetFont(font);
    header->SetWordBreak(true);
    header->SetCaption(text);
    if (!pictureResource.isEmpty())
        header->SetPicIdle(ResourcePicture(pictureResource, 32));
    header->setFixedHeight(41);
    return header;
}

TVistaGradLabel *MakeSectionLabel(QWidget *parent, const QString &caption, QWidget *pane)
{
    auto *label = new TVistaGradLabel(parent);
    label->SetCaption(caption);
    label->SetStartColor(QColor(0xE6, 0xE2, 0xD2));
    label->SetEndColor(QColor(0xCB, 0xC4, 0xA5));
    label->SetLineColor(QColor(0x66, 0x8E, 0x74));
    label->SetFontColor(Qt::black);
    label->SetLeftLine(true);
    label->SetRightLine(true);
    label->SetTopLine(true);
    label->setFixedHeight(20);
    if (pane != nullptr) {
        label->SetBuddy(pane);
        pane->setAccessibleName(caption);
    }
    return label;
}

TTesselButton *MakeImageButton(QWidget *parent, const QString &objectName, const QString &pictureResource,
                               const QString &hint)
{
    auto *button = new TTesselButton(parent);
    button->setObjectName(objectName);
    button->SetPicIdle(ResourcePicture(pictureResource, 16));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFixedSize(22, 22);
    return button;
}

TTesselButton *MakeTextButton(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *button = new TTesselButton(caption, parent);
    button->setObjectName(objectName);
    button->setFixedHeight(22);
    return button;
}

TDialogButtons MakeDialogButtons(QDialog &dialog, const QString &okCaption, std::function<void()> showHelp,
                                 const QString &helpCaption)
{
    TTesselButton *help = helpCaption.isEmpty()
                              ? MakeImageButton(&dialog, QStringLiteral("btnHelp"),
                                                QStringLiteral(":/icons/buttons/help.svg"), QStringLiteral("Hilfe"))
                              : MakeTextButton(&dialog, QStringLiteral("btnHelp"), helpCaption);
    TTesselButton *ok = MakeTextButton(&dialog, QStringLiteral("btnOK"), okCaption);
    ok->SetDefault(true);
    TTesselButton *cancel = MakeTextButton(&dialog, QStringLiteral("btnCancel"), QStringLiteral("Abbrechen"));
    cancel->SetCancel(true);
    for (TTesselButton *b : {ok, cancel})
        b->setFixedWidth(80);
    if (!helpCaption.isEmpty())
        help->setFixedWidth(80);

    QObject::connect(help, &QPushButton::clicked, &dialog, std::move(showHelp));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(help);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {help, ok, cancel, row};
}
