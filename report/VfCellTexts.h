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
//
// Counts and times differ from cell to cell only in their digits. In a
// fixed-pitch face whose digits are all equally wide (no kerning, one glyph
// per character), a text is laid out exactly as its shape, the same text with
// every digit a zero: such texts are drawn from the glyphs of their shape,
// each digit's glyph put in, and measured once per shape.
class VfCellTexts
{
public:
    VfCellTexts();
    ~VfCellTexts();
    VfCellTexts(const VfCellTexts &) = delete;
    VfCellTexts &operator=(const VfCellTexts &) = delete;

    // Draws `text` in `rect` with `flags` in the painter's font and pen.
    void draw(QPainter *painter, const QRect &rect, int flags, const QString &text);

    // Whether texts differing only in their digits are laid out alike in `font`.
    static bool digitsAlike(const QFont &font);
    // `text` with every digit a zero.
    static QString shapeOf(const QString &text);

private:
    struct Laid;
    // The one-line layout of `text` in the painter's font at `width`; null
    // when drawText would not draw it as one plain line.
    const Laid *laid(QPainter *painter, int width, int flags, const QString &text);

    // Starts afresh when the font, width or flags change.
    void follow(QPainter *painter, int width, int flags);
    // Keeps the glyphs of `laid` when they are drawn one per character.
    void keepGlyphs(Laid *laid, const QString &text);
    // Draws `text` from the glyphs of `laid`, the layout of its shape.
    void drawAlike(QPainter *painter, const QPointF &at, const Laid &laid, const QString &text);

    QFont m_font;
    bool m_digitsAlike = false;
    int m_width = -1;
    int m_flags = 0;
    QHash<QString, std::shared_ptr<Laid>> m_laid;
};
