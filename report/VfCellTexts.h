#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <memory>

class QPainter;
class QRect;
class QTextLayout;

// Texts that a report draws again and again in one font, with the same flags
// and in rectangles of one width (the repeated values of a table column):
// each is laid out once and drawn from that layout, where
// QPainter::drawText(rect, flags, text) would itemize, shape and break it
// anew for every cell. What is drawn is exactly what drawText draws; a text
// that it would not draw as one plain line (a line break, a tab, a
// mnemonic, a text wider than its rectangle or cut by it, justified or
// right-to-left text) is handed to drawText.
class VfCellTexts
{
public:
    VfCellTexts();
    ~VfCellTexts();
    VfCellTexts(const VfCellTexts &) = delete;
    VfCellTexts &operator=(const VfCellTexts &) = delete;

    // Draws `text` in `rect` with `flags` in the painter's font and pen.
    void draw(QPainter *painter, const QRect &rect, int flags, const QString &text);

private:
    struct Laid;
    // The one-line layout of `text` in the painter's font at `width`; null
    // when drawText would not draw it as one plain line.
    const Laid *laid(QPainter *painter, int width, int flags, const QString &text);

    QFont m_font;
    int m_width = -1;
    int m_flags = 0;
    QHash<QString, std::shared_ptr<Laid>> m_laid;
};
