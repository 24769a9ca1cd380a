#include "output/CalendarPrint.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A picture with a red top-left and a blue bottom-right pixel.
QImage MarkedPicture(int w, int h)
{
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(w - 1, h - 1, qRgb(0, 0, 255));
    return picture;
}

TEST(CalendarPrint, WholeNumberRatio)
{
    const std::tuple<int, int, int> cases[] = {{600, 96, 6}, {300, 96, 3}, {1200, 96, 12}, {72, 96, 1}, {600, 0, 1}};
    for (const auto &[device, screen, ratio] : cases)
        EXPECT_EQ(WholeRatio(device, screen), ratio) << device << "/" << screen;
}

TEST(CalendarPrint, PictureStandsEnlargedAtTheTopLeft)
{
    QImage page(2000, 3000, QImage::Format_RGB32);
    page.fill(Qt::gray);
    {
        QPainter painter(&page);
        DrawCalendarPicture(painter, MarkedPicture(300, 472), 6, 6);
    }
    EXPECT_EQ(page.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(6, 6), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(1799, 2831), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(1794, 2826), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(1800, 100), QColor(Qt::gray));
    EXPECT_EQ(page.pixelColor(100, 2832), QColor(Qt::gray));
}

TEST(CalendarPrint, OnePageOfPdf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kalender.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(600);
        PrintCalendarPicture(printer, MarkedPicture(300, 472), 96, 96);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(pdf.readAll());
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
}

} // namespace
