// The gallery page of the list controls, buttons, scroll box and link
// labels, each in the states a user meets.
#include "Gallery.h"

#include "controls/TesselButton.h"
#include "controls/TesselListHeader.h"
#include "controls/TesselListView.h"
#include "controls/VekDsgListBox.h"
#include "controls/VekLinkLabel.h"
#include "controls/VekMailLabel.h"
#include "controls/VekUrlLabel.h"
#include "controls/WheelScrollBox.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// A white page with a row per sample: its name on the left, the control on
// the right.
class TSampleSheet
{
public:
    TSampleSheet()
    {
        m_page.setAutoFillBackground(true);
        QPalette pal = m_page.palette();
        pal.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF4));
        m_page.setPalette(pal);
        m_grid = new QGridLayout(&m_page);
        m_grid->setHorizontalSpacing(12);
        m_grid->setVerticalSpacing(8);
    }

    template <typename TControl>
    TControl *Add(const QString &name, TControl *control)
    {
        const int row = m_grid->rowCount();
        m_grid->addWidget(new QLabel(name), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        m_grid->addWidget(control, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
        return control;
    }

    QWidget &Page() { return m_page; }

    // Shows the page as the active window, so that focus frames appear.
    void ShowActive()
    {
        m_page.show();
        QApplication::setActiveWindow(&m_page);
        QCoreApplication::processEvents();
    }

private:
    QWidget m_page;
    QGridLayout *m_grid;
};

const QStringList SampleNames = {
    QStringLiteral("Abfallgebühren"), QStringLiteral("Grundsteuer"), QStringLiteral("Hundesteuer"),
    QStringLiteral("Miete & Nebenkosten"), QStringLiteral("Strom"), QStringLiteral("Telefon"),
    QStringLiteral("Versicherung"),
};

TVekDsgListBox *NewListBox()
{
    auto *list = new TVekDsgListBox;
    list->SetBorderColor(QColor(0x66, 0x8E, 0x74));
    list->addItems(SampleNames);
    list->setFixedSize(200, 7 * TVekDsgListBox::RowHeight + 2);
    return list;
}

void RenderListBoxes(TGalleryWriter &writer)
{
    TSampleSheet sheet;
    TVekDsgListBox *unfocused = sheet.Add(QStringLiteral("ohne Fokus, Auswahl"), NewListBox());
    unfocused->setCurrentRow(2);
    TVekDsgListBox *focused = sheet.Add(QStringLiteral("mit Fokus, Auswahl"), NewListBox());
    focused->setCurrentRow(3);
    TVekDsgListBox *plain = sheet.Add(QStringLiteral("ohne Wechselzeilen, zentriert"), NewListBox());
    plain->SetDrawMods(false);
    plain->SetAlignment(TVekDsgListBox::TDsgAlign::daCenter);
    plain->setCurrentRow(0);
    TVekDsgListBox *win10 = sheet.Add(QStringLiteral("dsWindows10, rechts, ohne Fett"), NewListBox());
    win10->SetListStyle(TDSGStyle::dsWindows10);
    win10->SetAlignment(TVekDsgListBox::TDsgAlign::daRight);
    win10->SetSelBold(false);
    win10->setCurrentRow(6);
    TVekDsgListBox *standard = sheet.Add(QStringLiteral("Standardrahmen, wenige Zeilen"), new TVekDsgListBox);
    standard->addItems({QStringLiteral("Erste Zeile"), QStringLiteral("Zweite Zeile")});
    standard->setFixedSize(200, 80);
    sheet.ShowActive();
    focused->setFocus();
    writer.Save(sheet.Page(), QStringLiteral("lists-listbox"));
}

TTesselListView *NewListView(bool headerFrame)
{
    auto *view = new TTesselListView;
    view->setColumnCount(4);
    view->setHeaderLabels({QStringLiteral("Fällig am"), QStringLiteral("Betrag"), QStringLiteral("Bemerkung"),
                           QStringLiteral("Erledigt & bezahlt")});
    view->headerItem()->setTextAlignment(1, Qt::AlignRight);
    view->headerItem()->setTextAlignment(3, Qt::AlignHCenter);
    const QStringList rows[] = {
        {QStringLiteral("15.01.2025"), QStringLiteral("120,00 €"), QStringLiteral("Abschlag"), QStringLiteral("ja")},
        {QStringLiteral("15.04.2025"), QStringLiteral("120,00 €"), QStringLiteral("Abschlag"), QStringLiteral("ja")},
        {QStringLiteral("15.07.2025"), QStringLiteral("125,50 €"), QStringLiteral(""), QStringLiteral("")},
        {QStringLiteral("15.10.2025"), QStringLiteral("125,50 €"), QStringLiteral("Nachzahlung"), QStringLiteral("")},
    };
    for (const QStringList &r : rows) {
        auto *item = new QTreeWidgetItem(view, r);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    view->setColumnWidth(0, 90);
    view->setColumnWidth(1, 80);
    view->setColumnWidth(2, 110);
    view->setColumnWidth(3, 120);
    view->SetItemHeight(18);
    view->SetHeaderFrame(headerFrame);
    view->setCurrentItem(view->topLevelItem(1));
    view->setFixedSize(460, 130);
    return view;
}

void RenderListViews(TGalleryWriter &writer)
{
    TSampleSheet sheet;
    sheet.Add(QStringLiteral("HeaderFrame an"), NewListView(true));
    sheet.Add(QStringLiteral("HeaderFrame aus"), NewListView(false));
    TTesselListView *owner = sheet.Add(QStringLiteral("eigene Zeilen"), NewListView(true));
    owner->SetDrawItem([owner](QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected) {
        painter.fillRect(rect, selected ? QColor(0xCF, 0xE3, 0xF4) : QColor(Qt::white));
        painter.setPen(item->text(3).isEmpty() ? QColor(0xC0, 0x00, 0x00) : QColor(0x00, 0x80, 0x00));
        for (int c = 0; c < owner->columnCount(); ++c) {
            const int x = owner->header()->sectionViewportPosition(c);
            const QRect cell(x + 4, rect.top(), owner->columnWidth(c) - 8, rect.height());
            painter.drawText(cell, Qt::AlignVCenter | int(item->textAlignment(c) & Qt::AlignHorizontal_Mask),
                             item->text(c));
        }
    });
    writer.Save(sheet.Page(), QStringLiteral("lists-listview"));
}

// A small picture in the style of the program's button images: the
// magenta corner colour is the transparent key.
QImage SamplePicture()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(0xFF, 0x00, 0xFF));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x1E, 0x8C, 0x3C), 3));
    painter.drawLine(QPointF(2.5, 8.5), QPointF(6.5, 12.5));
    painter.drawLine(QPointF(6.5, 12.5), QPointF(13.5, 3.5));
    return picture;
}

void Hover(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent enter(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &enter);
}

void RenderButtons(TGalleryWriter &writer)
{
    TSampleSheet sheet;
    sheet.Add(QStringLiteral("normal"), new TTesselButton(QStringLiteral("&Speichern")));
    Hover(sheet.Add(QStringLiteral("Maus darüber"), new TTesselButton(QStringLiteral("&Speichern"))));
    TTesselButton *downed = sheet.Add(QStringLiteral("gedrückt (Downed)"), new TTesselButton(QStringLiteral("&Speichern")));
    downed->SetDowned(true);
    TTesselButton *disabled = sheet.Add(QStringLiteral("gesperrt"), new TTesselButton(QStringLiteral("&Speichern")));
    disabled->setEnabled(false);
    TTesselButton *focused = sheet.Add(QStringLiteral("mit Fokus"), new TTesselButton(QStringLiteral("Abbrechen")));
    TTesselButton *twoLines = sheet.Add(QStringLiteral("zweizeilig"), new TTesselButton(QStringLiteral("Scanvorgang#starten")));
    twoLines->setFixedSize(120, 36);
    TTesselButton *picture = sheet.Add(QStringLiteral("mit Bild"), new TTesselButton(QStringLiteral("&OK")));
    picture->SetPicIdle(SamplePicture());
    TTesselButton *pictureOff = sheet.Add(QStringLiteral("mit Bild, gesperrt"), new TTesselButton(QStringLiteral("&OK")));
    pictureOff->SetPicIdle(SamplePicture());
    pictureOff->setEnabled(false);
    TTesselButton *pictureOnly = sheet.Add(QStringLiteral("nur Bild"), new TTesselButton);
    pictureOnly->SetPicIdle(SamplePicture());
    pictureOnly->setFixedSize(26, 22);
    TTesselButton *square = sheet.Add(QStringLiteral("eckig, Fokus, Maus darüber"), new TTesselButton(QStringLiteral("Eckig")));
    square->SetRoundEdge(false);
    TTesselButton *noFrame = sheet.Add(QStringLiteral("ohne Rahmen"), new TTesselButton(QStringLiteral("Ohne Rahmen")));
    noFrame->SetShowFrame(false);
    for (QWidget *w : sheet.Page().findChildren<TTesselButton *>()) {
        if (w->width() == 120 && w->height() == 22 && w != twoLines)
            w->setFixedSize(120, 22);
    }
    sheet.ShowActive();
    focused->setFocus();
    writer.Save(sheet.Page(), QStringLiteral("lists-buttons"));
    square->setFocus();
    Hover(square);
    writer.Save(sheet.Page(), QStringLiteral("lists-buttons-square-focus"));
}

void RenderScrollBox(TGalleryWriter &writer)
{
    TSampleSheet sheet;
    auto *box = sheet.Add(QStringLiteral("Bildlauffeld"), new TWheelScrollBox);
    auto *content = new QLabel;
    QImage page(600, 900, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setPen(QColor(0x66, 0x8E, 0x74));
        for (int y = 0; y < page.height(); y += 60)
            painter.drawText(20, y + 30, QStringLiteral("Zeile bei %1 Pixeln").arg(y));
        painter.drawRect(page.rect().adjusted(10, 10, -11, -11));
    }
    content->setPixmap(QPixmap::fromImage(page));
    box->setWidget(content);
    box->setFixedSize(400, 300);
    box->ActivateMouseScroll();
    box->verticalScrollBar()->setValue(120);
    writer.Save(sheet.Page(), QStringLiteral("lists-scrollbox"));
}

void RenderLinkLabels(TGalleryWriter &writer)
{
    TSampleSheet sheet;
    sheet.Add(QStringLiteral("Verweis"), new TVekLinkLabel(QStringLiteral("Lizenzbedingungen")));
    sheet.Add(QStringLiteral("Webseite"), new TVekUrlLabel);
    sheet.Add(QStringLiteral("E-Mail"), new TVekMailLabel);
    Hover(sheet.Add(QStringLiteral("Webseite, Maus darüber"), new TVekUrlLabel));
    Hover(sheet.Add(QStringLiteral("E-Mail, Maus darüber"), new TVekMailLabel));
    TVekMailLabel *focused = sheet.Add(QStringLiteral("E-Mail, mit Fokus"), new TVekMailLabel);
    sheet.ShowActive();
    // As reached by Tab, so that the style draws the focus rectangle.
    focused->setFocus(Qt::TabFocusReason);
    sheet.Page().setAttribute(Qt::WA_KeyboardFocusChange);
    writer.Save(sheet.Page(), QStringLiteral("lists-linklabels"));
}

} // namespace

void RenderListGallery(TGalleryWriter &writer)
{
    RenderListBoxes(writer);
    RenderListViews(writer);
    RenderButtons(writer);
    RenderScrollBox(writer);
    RenderLinkLabels(writer);
}
