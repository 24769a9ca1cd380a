#!/bin/sh
# Renders every icon under resources/icons/ with Qt's own SVG image plugin
# (the one the program uses) and puts them together in contact sheets, by
# default under /tmp/icons-preview/.
#
# <folder>.png shows strips of all icons at their real size on the
# backgrounds they meet in the program (and doubled pixel by pixel);
# <folder>-cells-N.png give each icon a cell with its name, its 1x rendering
# blown up pixel by pixel (to judge crispness) and a smooth rendering at the
# same size (to judge the drawing). Pages stay below ~1200 x 1000 pixels.
#
# Needs g++, pkg-config, qt6-base-dev and the SVG plugin (libqt6svg6).
# Usage: tools/icons/preview.sh [output-dir]
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-/tmp/icons-preview}
build=$out/.build
mkdir -p "$out" "$build"

cat > "$build/iconsheet.cpp.new" <<'CPP'
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

static QImage render(const QString &file, int px)
{
    QImageReader reader(file, "svg");
    reader.setScaledSize(QSize(px, px));
    QImage img = reader.read();
    if (img.isNull())
        std::fprintf(stderr, "cannot render %s: %s\n", qPrintable(file), qPrintable(reader.errorString()));
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct Back { QString name; QColor top; QColor bottom; };

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // args: folder nominal-size output.png back1 [back2 ...]; a back is
    // "#RRGGBB" or "#RRGGBB-#RRGGBB" (vertical gradient)
    const QStringList args = app.arguments();
    if (args.size() < 5) return 2;
    const QDir dir(args[1]);
    const int size = args[2].toInt();
    const QString output = args[3];
    QList<Back> backs;
    for (int i = 4; i < args.size(); ++i) {
        const QStringList p = args[i].split('-');
        backs.append({args[i], QColor(p[0]), QColor(p.value(1, p[0]))});
    }
    const QFileInfoList files = dir.entryInfoList({"*.svg"}, QDir::Files, QDir::Name);
    const int n = files.size();

    const int zoom = qMax(3, 96 / size), pad = 10, label = 16;
    const int maxW = 1180, maxH = 960; // what an image viewer shows unscaled

    auto newSheet = [&](int w, int h) {
        QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
        img.fill(QColor("#808080"));
        return img;
    };
    auto gradient = [](const QRect &r, const Back &b) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, b.top);
        g.setColorAt(1, b.bottom);
        return g;
    };
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    QStringList written;

    // page 1: every icon at its real size on each background, then the same
    // strip doubled pixel by pixel (cut into lines)
    const int stripH = size + 12;
    const int stripW = n * (size + 6) + 6;
    const int perLine = qMax(1, (maxW / 2 - 6) / (size + 6));
    const int lines = (n + perLine - 1) / perLine;
    const int lineW = qMin(n, perLine) * (size + 6) + 6;
    {
        const int blockH = label + stripH + 6 + lines * (stripH * 2 + 6) + pad;
        QImage sheet = newSheet(qMax(stripW, lineW * 2) + 2 * pad, pad + backs.size() * blockH);
        QPainter p(&sheet);
        p.setFont(font);
        int y = pad;
        for (const Back &b : backs) {
            QImage strip(stripW, stripH, QImage::Format_ARGB32_Premultiplied);
            {
                QPainter sp(&strip);
                sp.fillRect(strip.rect(), gradient(strip.rect(), b));
                for (int i = 0; i < n; ++i)
                    sp.drawImage(6 + i * (size + 6), 6, render(files[i].filePath(), size));
            }
            p.setPen(Qt::white);
            p.drawText(pad, y + 12, b.name + QStringLiteral(": real size, below doubled pixel by pixel"));
            y += label;
            p.drawImage(pad, y, strip);
            y += stripH + 6;
            for (int l = 0; l < lines; ++l) {
                const int from = l * perLine * (size + 6);
                const int w = qMin(lineW, stripW - from);
                const QImage part = strip.copy(from, 0, w, stripH);
                p.drawImage(pad, y, part.scaled(w * 2, stripH * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
                y += stripH * 2 + 6;
            }
            y += pad;
        }
        p.end();
        const QString name = output + ".png";
        if (!sheet.save(name)) return 1;
        written << name;
    }

    // further pages: one cell per icon, per background its 1x rendering
    // blown up pixel by pixel and its smooth rendering at the same size
    const int cellW = backs.size() * (2 * size * zoom + pad) + pad;
    const int cellH = label + size * zoom + pad;
    const int cols = qMax(1, maxW / cellW);
    const int rowsPerPage = qMax(1, (maxH - pad) / cellH);
    const int perPage = cols * rowsPerPage;
    for (int first = 0, page = 1; first < n; first += perPage, ++page) {
        const int count = qMin(perPage, n - first);
        const int rows = (count + cols - 1) / cols;
        QImage sheet = newSheet(qMin(count, cols) * cellW + pad, pad + rows * cellH);
        QPainter p(&sheet);
        p.setFont(font);
        for (int k = 0; k < count; ++k) {
            const QFileInfo &f = files[first + k];
            const int cx = pad + (k % cols) * cellW;
            const int cy = pad + (k / cols) * cellH;
            p.setPen(Qt::white);
            p.drawText(cx, cy + 12, f.completeBaseName());
            const QImage one = render(f.filePath(), size);
            const QImage big = render(f.filePath(), size * zoom);
            int x = cx;
            for (const Back &b : backs) {
                const QRect r1(x, cy + label, size * zoom, size * zoom);
                p.fillRect(r1, gradient(r1, b));
                p.drawImage(r1.topLeft(), one.scaled(r1.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
                const QRect r2 = r1.translated(size * zoom, 0);
                p.fillRect(r2, gradient(r2, b));
                p.drawImage(r2.topLeft(), big);
                x += 2 * size * zoom + pad;
            }
        }
        p.end();
        const QString name = output + QStringLiteral("-cells-%1.png").arg(page);
        if (!sheet.save(name)) return 1;
        written << name;
    }
    std::printf("%d icons: %s\n", n, qPrintable(written.join(QStringLiteral(", "))));
    return 0;
}
CPP

bin=$build/iconsheet
if [ ! -x "$bin" ] || ! cmp -s "$build/iconsheet.cpp.new" "$build/iconsheet.cpp"; then
    mv "$build/iconsheet.cpp.new" "$build/iconsheet.cpp"
    # shellcheck disable=SC2046
    g++ -std=c++20 -O1 -fPIC -o "$bin" "$build/iconsheet.cpp" $(pkg-config --cflags --libs Qt6Gui)
fi

icons=$root/resources/icons
export QT_QPA_PLATFORM=offscreen
sheet() { # folder size backgrounds...
    folder=$1 size=$2
    shift 2
    rm -f "$out/$folder.png" "$out/$folder"-cells-*.png
    if [ -d "$icons/$folder" ]; then
        "$bin" "$icons/$folder" "$size" "$out/$folder" "$@"
    fi
}
sheet toolbar 24 '#EBE9E2' '#DFE9F5-#BFD5EE'
sheet menu 16 '#EBE9E2' '#FFFBFF'
sheet tabs 16 '#EBE9E2' '#FFFFFF'
sheet buttons 16 '#EBE9E2' '#F0F0F0'
sheet headers 32 '#51715C-#9BC1AA' '#9BC1AA-#51715C'
sheet state 12 '#3E5746' '#D2E7DB' '#992225' '#F7DADB'
