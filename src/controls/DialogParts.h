#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QDialog;
class QHBoxLayout;
class QLayout;
class QWidget;
class TTesselButton;
class TVistaGradLabel;
class TVistaGradPanel;

// The pieces every dialog of the program is made of, in their one look.

// A fixed-size dialog in the program's sand colour and font; the client
// area is laid out for that font, not for the desktop's.
void PrepareDialog(QDialog &dialog, const QString &objectName, const QString &title, QSize clientSize);

// The dialog's layout: the header band on top, the body below it.
void StackHeaderAndBody(QDialog &dialog, QWidget *header, QLayout *body);

// The green header band with a picture and bold white text.
TVistaGradPanel *MakeDialogHeader(QWidget *parent, const QString &text, const QString &pictureResource);

// The sand-coloured title strip above a list or pane; the pane takes it as
// its accessible name.
TVistaGradLabel *MakeSectionLabel(QWidget *parent, const QString &caption, QWidget *pane);

// A 22 × 22 button that shows only a picture; its hint is its tool tip and
// accessible name.
TTesselButton *MakeImageButton(QWidget *parent, const QString &objectName, const QString &pictureResource,
                               const QString &hint);

// A text button of the dialogs.
TTesselButton *MakeTextButton(QWidget *parent, const QString &objectName, const QString &caption);

// The bottom row of a dialog: help at the left, OK (default, accepts) and
// Abbrechen (cancel, rejects) at the right. The help button shows a picture,
// or the given caption.
struct TDialogButtons
{
    TTesselButton *Help;
    TTesselButton *OK;
    TTesselButton *Cancel;
    QHBoxLayout *Row;
};
TDialogButtons MakeDialogButtons(QDialog &dialog, const QString &okCaption, std::function<void()> showHelp,
                                 const QString &helpCaption = QString());

// Loads a picture of the resources at the given size.
class QImage;
QImage ResourcePicture(const QString &resource, int size);
