#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

class QPainter;

// A column title of a report table: a main text followed by an optional
// subscript and superscript ("L" with "eq" below the line, a unit with an
// exponent), and optionally a next label chained to its right so that a title
// can alternate normal and indexed parts. A chained label is not owned.
class VfSubSuperScript : public QObject
{
    Q_OBJECT

public:
    VfSubSuperScript();
    VfSubSuperScript(QString text, QString subText = QString(), QString supText = QString(),
                     VfSubSuperScript *next = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    QString subText() const { return m_subText; }
    void setSubText(const QString &subText) { m_subText = subText; }
    QString supText() const { return m_supText; }
    void setSupText(const QString &supText) { m_supText = supText; }
    VfSubSuperScript *next() const { return m_next; }
    void setNext(VfSubSuperScript *next) { m_next = next; }
    QFont font() const { return m_font; }
    QFont smallFont() const { return m_smallFont; }

    // Takes `font` for the main text and a face 3 pixels smaller for the
    // indices; fonts below 6 pixels are refused. The chain behind takes the
    // same fonts, so a whole title is drawn in one size.
    void setFont(const QFont &font);

    // Size of the label with its chain; an empty main text makes it 0 x 0.
    int width(QPainter *painter) const;
    int height(QPainter *painter) const;

    // Draws the label centred in the rectangle (x1, y1)-(x2, y2), relative to
    // the painter's transform, which is left as it was. Returns the width.
    int drawIn(int x1, int y1, int x2, int y2, QPainter *painter);
    // Draws it in its own size at the painter's origin; its height, or 0 when
    // nothing was drawn.
    int drawAtOrigin(QPainter *painter);
    int draw(int x, int y, QPainter *painter);

private:
    struct Parts
    {
        const VfSubSuperScript *label;
        QSize main, sub, sup;
        int raise() const;
        int below() const;
    };
    // This label and the ones chained behind it, measured in this label's
    // fonts; empty when the main text is empty.
    QList<Parts> measureChain(QPainter *painter) const;
    static int chainWidth(const QList<Parts> &chain);
    static int chainHeight(const QList<Parts> &chain);

    QString m_text;
    QString m_subText;
    QString m_supText;
    VfSubSuperScript *m_next = nullptr;
    QFont m_smallFont;
    QFont m_font;
};
