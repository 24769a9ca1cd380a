#include "output/CalendarPrint.h"

#include "support/QtPrinters.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(128, 128, 128);

// A white picture with a differently coloured pixel in each corner, so that
// a shift, a mirror or a swapped axis shows.
QImage MarkedPicture(int w, int h)
{
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(White);
    picture.setPixel(0, 0, Red);
    picture.setPixel(w - 1, 0, Green);
    picture.setPixel(0, h - 1, Blue);
    picture.setPixel(w - 1, h - 1, Yellow);
    return picture;
}

TEST(CalendarPrint, WholeNumberRatio)
{
    struct TCase
    {
        int Device;
        int Screen;
        int Ratio;
    };
    const TCase cases[] = {
        {600, 96, 6}, {300, 96, 3}, {1200, 96, 12}, {600, 120, 5}, {599, 120, 4},
        {96, 96, 1},  {72, 96, 1},  {600, 0, 1},    {600, -96, 1},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(WholeRatio(c.Device, c.Screen), c.Ratio) << c.Device << "/" << c.Screen;
}

// Every picture pixel becomes an sx × sy block from the top-left corner;
// beyond the enlarged picture the page stays untouched.
TEST(CalendarPrint, PictureStandsEnlargedAtTheTopLeft)
{
    struct TCase
    {
        int Sx;
        int Sy;
    };
    const TCase cases[] = {{6, 6}, {6, 3}, {2, 5}, {1, 1}};
    const int w = 30;
    const int h = 47;
    const QImage picture = MarkedPicture(w, h);
    for (const TCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.Sx << " x " << c.Sy);
        const int right = w * c.Sx;
        const int bottom = h * c.Sy;
        QImage page(right + 20, bottom + 20, QImage::Format_RGB32);
        page.fill(Grey);
        {
            QPainter painter(&page);
            DrawCalendarPicture(painter, picture, c.Sx, c.Sy);
        }
        struct TProbe
        {
            int X;
            int Y;
            QRgb Colour;
        };
        const TProbe probes[] = {
            {0, 0, Red},
            {c.Sx - 1, c.Sy - 1, Red},
            {right - c.Sx, 0, Green},
            {right - 1, c.Sy - 1, Green},
            {0, bottom - c.Sy, Blue},
            {c.Sx - 1, bottom - 1, Blue},
            {right - c.Sx, bottom - c.Sy, Yellow},
            {right - 1, bottom - 1, Yellow},
            {c.Sx, c.Sy, White},
            {right - c.Sx - 1, bottom - c.Sy - 1, White},
            {right, 0, Grey},
            {right, bottom - 1, Grey},
            {0, bottom, Grey},
            {right - 1, bottom, Grey},
        };
        for (const TProbe &p : probes)
            EXPECT_EQ(page.pixel(p.X, p.Y), p.Colour) << "at " << p.X << "," << p.Y;
    }
}

// The content stream of the PDF's only page, inflated.
QByteArray PageContent(const QByteArray &pdf)
{
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)[^>]*/Contents\\s+(\\d+)\\s+0\\s+R"))
            .match(QString::fromLatin1(pdf));
    if (!page.hasMatch())
        return {};
    const QByteArray header = page.captured(1).toLatin1() + " 0 obj";
    const qsizetype object = pdf.indexOf("\n" + header);
    const qsizetype begin = pdf.indexOf("stream\n", object);
    const qsizetype end = pdf.indexOf("endstream", begin);
    if (object < 0 || begin < 0 || end < 0)
        return {};
    const QByteArray dictionary = pdf.mid(object, begin - object);
    const QByteArray stream = pdf.mid(begin + 7, end - begin - 7);
    if (!dictionary.contains("/FlateDecode"))
        return stream;
    // qUncompress wants the zlib data behind a big-endian size hint.
    QByteArray framed(4, '\0');
    framed[1] = '\x10';
    return qUncompress(framed + stream);
}

// Follows the graphics state of a content stream and gives, for each image
// drawn, the rectangle it covers in PDF points (origin bottom left).
QList<QRectF> ImageRectangles(const QByteArray &content)
{
    QList<QRectF> rects;
    QList<QTransform> saved;
    QTransform ctm;
    QList<double> numbers;
    for (const QByteArray &token : content.simplified().split(' ')) {
        bool isNumber = false;
        const double value = token.toDouble(&isNumber);
        if (isNumber) {
            numbers << value;
            continue;
        }
        if (token == "q") {
            saved << ctm;
        } else if (token == "Q" && !saved.isEmpty()) {
            ctm = saved.takeLast();
        } else if (token == "cm" && numbers.size() >= 6) {
            const qsizetype n = numbers.size();
            ctm = QTransform(numbers[n - 6], numbers[n - 5], numbers[n - 4], numbers[n - 3], numbers[n - 2],
                             numbers[n - 1])
                * ctm;
        } else if (token == "Do") {
            rects << ctm.mapRect(QRectF(0, 0, 1, 1));
        }
        if (!token.startsWith('/'))
            numbers.clear();
    }
    return rects;
}

std::optional<double> MediaHeight(const QByteArray &pdf)
{
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"))
            .match(QString::fromLatin1(pdf));
    if (!box.hasMatch())
        return std::nullopt;
    return box.captured(2).toDouble();
}

// Printed through a real QPrinter into a PDF at 600 dpi: one page, the
// picture at the top left of the printable area, enlarged by the whole
// ratio of printer to screen resolution on each axis.
TEST(CalendarPrint, OnePageWithThePictureAtTheTopLeftOfThePrintableArea)
{
    struct TCase
    {
        const char *Name;
        int ScreenX;
        int ScreenY;
        bool FullPageBefore;
        int Sx;
        int Sy;
    };
    const TCase cases[] = {
        {"Square", 96, 96, false, 6, 6},
        {"AxesApart", 96, 200, false, 6, 3},
        {"FullPageAskedBefore", 96, 96, true, 6, 6},
        // 30 times wider than the page: cut off, still one page.
        {"TooLarge", 20, 20, false, 30, 30},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kalender.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(600);
        printer.setFullPage(c.FullPageBefore);
        PrintCalendarPicture(printer, MarkedPicture(300, 472), c.ScreenX, c.ScreenY);

        // Read while the printer lives: the job must have ended already.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);

        const QList<QRectF> images = ImageRectangles(PageContent(pdf));
        ASSERT_EQ(images.size(), 1);
        const std::optional<double> mediaHeight = MediaHeight(pdf);
        ASSERT_TRUE(mediaHeight.has_value());
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Point);
        const double pointsPerDot = 72.0 / 600.0;
        const QRectF &image = images.front();
        // Device pixels are whole, so the margin may be rounded by a pixel.
        const double tolerance = pointsPerDot + 0.01;
        EXPECT_NEAR(image.left(), margins.left(), tolerance);
        EXPECT_NEAR(*mediaHeight - image.bottom(), margins.top(), tolerance);
        EXPECT_NEAR(image.width(), 300 * c.Sx * pointsPerDot, 0.01);
        EXPECT_NEAR(image.height(), 472 * c.Sy * pointsPerDot, 0.01);
    }
}

} // namespace
