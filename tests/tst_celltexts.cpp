// Cell texts drawn from kept layouts land exactly where QPainter::drawText
// puts them: both are drawn into images and into PDF files, in the report
// faces, for texts, alignments and rectangles that a table meets (and some it
// hands back to drawText); the images must be equal pixel for pixel and the
// PDF files byte for byte. Counts and times, drawn from the glyphs of a text
// of their shape, are among them.
#include "VfCellTexts.h"
#include "VfPrinter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

namespace {

const QStringList kTexts = {
    "---",  "23.4",      "08:00:01",  "1.234,5",  "a b",    "Tₐ wet",
    "x\ny", "tab\there", "&mnemonic", " lead",    "trail ", "a rather long cell text",
    "17",   "32400",     "00:00:00",  "23:59:59", "-12.5",  "1\n2"};

// Draws every text twice into `device`, in cells below each other, the second
// round left of the first; with `kept` through one VfCellTexts.
void drawTexts(QPaintDevice *device, bool kept, const QFont &font, int flags, const QSize &cell)
{
    QPainter painter(device);
    painter.setFont(font);
    VfCellTexts cellTexts;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < kTexts.size(); ++i) {
            const QRect rect(3 + round * (cell.width() + 2), 3 + i * (cell.height() + 3) * 2,
                             cell.width(), cell.height());
            if (kept)
                cellTexts.draw(&painter, rect, flags, kTexts.at(i));
            else
                painter.drawText(rect, flags, kTexts.at(i));
        }
    }
}

QImage image(bool kept, const QFont &font, int flags, const QSize &cell)
{
    QImage image(cell.width() * 2 + 10, (cell.height() + 3) * kTexts.size() * 2,
                 QImage::Format_ARGB32);
    image.fill(Qt::white);
    drawTexts(&image, kept, font, flags, cell);
    return image;
}

// The PDF file, but for the time it was written at.
QByteArray pdf(bool kept, const QFont &font, int flags, const QSize &cell)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(100);
        drawTexts(&writer, kept, font, flags, cell);
    }
    QByteArray file = buffer.data();
    const int date = file.indexOf("/CreationDate (");
    if (date >= 0)
        file.remove(date, file.indexOf(')', date) + 1 - date);
    return file;
}

} // namespace

class TstCellTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VfPrinter::registerReportFonts(); }

    void drawnAsDrawTextDrawsThem_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QSize>("cell");
        const int centred = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
        QTest::newRow("table body") << "FreeMono" << 8 << centred << QSize(46, 17);
        QTest::newRow("odd cell") << "FreeMono" << 8 << centred << QSize(47, 18);
        QTest::newRow("sans, left")
            << "FreeSans" << 10 << int(Qt::AlignLeft | Qt::TextWordWrap) << QSize(60, 20);
        QTest::newRow("right, bottom")
            << "FreeSerif" << 9 << int(Qt::AlignRight | Qt::AlignBottom) << QSize(40, 30);
        QTest::newRow("narrow: cut or wrapped") << "FreeSans" << 10 << centred << QSize(14, 9);
        QTest::newRow("one line") << "FreeMono" << 8
                                  << int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine)
                                  << QSize(30, 12);
    }

    void drawnAsDrawTextDrawsThem()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(int, flags);
        QFETCH(QSize, cell);
        const QFont font = VfPrinter::reportFont(family, pixels);
        QCOMPARE(image(true, font, flags, cell), image(false, font, flags, cell));
        QCOMPARE(pdf(true, font, flags, cell), pdf(false, font, flags, cell));
    }
};

QTEST_MAIN(TstCellTexts)
#include "tst_celltexts.moc"
