// Cell texts drawn from kept layouts land exactly where QPainter::drawText
// puts them: both are drawn into images, in the report faces, for texts,
// alignments and rectangles that a table meets (and some it hands back to
// drawText), and the images must be equal pixel for pixel.
#include "VfCellTexts.h"
#include "VfPrinter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

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
        QTest::newRow("sans, left") << "FreeSans" << 10 << int(Qt::AlignLeft | Qt::TextWordWrap)
                                    << QSize(60, 20);
        QTest::newRow("right, bottom") << "FreeSerif" << 9
                                       << int(Qt::AlignRight | Qt::AlignBottom) << QSize(40, 30);
        QTest::newRow("narrow: cut or wrapped") << "FreeSans" << 10 << centred << QSize(14, 9);
        QTest::newRow("one line") << "FreeMono" << 8
                                  << int(Qt::AlignHCenter | Qt::AlignVCenter |
                                         Qt::TextSingleLine)
                                  << QSize(30, 12);
    }

    void drawnAsDrawTextDrawsThem()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(int, flags);
        QFETCH(QSize, cell);
        const QStringList texts = {"---", "23.4", "08:00:01", "1.234,5", "a b", "Tₐ wet",
                                   "x\ny", "tab\there", "&mnemonic", " lead", "trail ",
                                   "a rather long cell text"};
        const auto draw = [&](bool kept) {
            QImage image(cell.width() * 2 + 10, (cell.height() + 3) * texts.size() * 2,
                         QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(VfPrinter::reportFont(family, pixels));
            VfCellTexts cellTexts;
            // Each text twice, the second time from its kept layout.
            for (int round = 0; round < 2; ++round) {
                for (int i = 0; i < texts.size(); ++i) {
                    const QRect rect(3 + round * (cell.width() + 2),
                                     3 + i * (cell.height() + 3) * 2, cell.width(),
                                     cell.height());
                    if (kept)
                        cellTexts.draw(&painter, rect, flags, texts.at(i));
                    else
                        painter.drawText(rect, flags, texts.at(i));
                }
            }
            return image;
        };
        QCOMPARE(draw(true), draw(false));
    }
};

QTEST_MAIN(TstCellTexts)
#include "tst_celltexts.moc"
