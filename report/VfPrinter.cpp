#include "VfPrinter.h"

#include "QmlFileName.h"

#include "BuildInfo.h"
#include "Experiment.h"
#include "Log.h"
#include "VfFullPageTable.h"
#include "VfReportChart.h"
#include "VfSubSuperScript.h"
#include "WholeFile.h"

#include <QAbstractAxis>
#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QJsonDocument>
#include <QLegend>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QThread>
#include <QUrl>
#include <QValueAxis>
#include <QtMath>

#include <cmath>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
const QString kSans = QStringLiteral("FreeSans");

// The faces that the resources carry, by resource name.
const char *const kFontResources[] = {
    ":/FreeMono, Regular.ttf",          ":/FreeMono, Italic.ttf",
    ":/FreeMono, Bold Italic.ttf",      ":/FreeMono, Bold.ttf",
    ":/FreeSans, Regular.ttf",          ":/FreeSans, Italic.ttf",
    ":/FreeSans, Demi Bold Italic.ttf", ":/FreeSans, Demi Bold.ttf",
    ":/FreeSerif, Regular.ttf",         ":/FreeSerif, Italic.ttf",
    ":/FreeSerif, Bold Italic.ttf",     ":/FreeSerif, Bold.ttf",
};

constexpr int kLogoWidth = 100;
constexpr int kLogoHeight = 25;
constexpr int kLogoGap = 5;
constexpr int kTopBandPixels = 9;
constexpr int kBottomBandPixels = 8;
constexpr qreal kRuleWidth = 2.0;
// Space kept below the notes box for the signature block.
constexpr int kNotesBottomReserve = 89;
constexpr int kSignatureGaps = 5;
constexpr int kUnsignedDrop = 15;

// The PDF writer takes buffers of several megabytes for every page it
// compresses. Kept in the heap rather than handed back to the system after
// each page, they cost no fresh pages: about a quarter of a long report.
void keepPageBuffersInHeap()
{
#ifdef __GLIBC__
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        return true;
    }();
    Q_UNUSED(kept)
#endif
}

QString pageText(int page, int count)
{
    return QStringLiteral("%1 ").arg(page) + VfPrinter::tr("of") + QStringLiteral(" %1").arg(count);
}
} // namespace

VfPrinter::VfPrinter(QPrinter::PrinterMode mode)
    : QObject(nullptr)
    , QPrinter(mode)
{
    registerReportFonts();
    keepPageBuffersInHeap();
    m_painter = new QPainter;
    setOutputFormat(QPrinter::PdfFormat);
    setPageSize(QPageSize(QPageSize::A4));
    setPageMargins(QMarginsF(30, 30, 20, 20), QPageLayout::Millimeter);
    QString temp = qEnvironmentVariable("TEMP");
    if (temp.isEmpty())
        temp = QDir::tempPath();
    setOutputFile(QDir(temp).filePath(QStringLiteral("temp.pdf")));
    m_collectorName = QStringLiteral("John Doe");
    m_repName = QStringLiteral("John Doe");
    m_repIdReg = QStringLiteral("RS12345678");
    setCreator(pdfCreator());
    m_tableBodyFont = reportFont(QStringLiteral("FreeMono"), 8);
    m_tableHeaderFont = reportFont(QStringLiteral("FreeMono"), 8);
    m_sectionTitleFont = reportFont(kSans, 10, QFont::Bold);
    m_labelFont = reportFont(kSans, 8, QFont::Bold);
    m_valueFont = reportFont(kSans, 6);
    m_familyFont = reportFont(kSans, 8);
}

VfPrinter::~VfPrinter()
{
    qDeleteAll(m_countedTables);
    delete m_currentTable;
    if (m_painter->isActive())
        m_painter->end();
    delete m_painter;
}

void VfPrinter::registerReportFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const char *resource : kFontResources)
        QFontDatabase::addApplicationFont(QString::fromLatin1(resource));
}

QFont VfPrinter::reportFont(const QString &family, int pixelSize, int weight, bool italic)
{
    QFont font(family);
    font.setPixelSize(qMax(1, pixelSize));
    font.setWeight(weight);
    font.setItalic(italic);
    // A glyph the face lacks is left out rather than taken from another face.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void VfPrinter::applyReportFonts(QtCharts::QChart *chart, int pixelSize)
{
    if (!chart)
        return;
    const QFont font = reportFont(kSans, pixelSize);
    chart->setTitleFont(reportFont(kSans, pixelSize + 1, QFont::Bold));
    if (chart->legend())
        chart->legend()->setFont(font);
    const auto axes = chart->axes();
    for (QtCharts::QAbstractAxis *axis : axes) {
        // Labels made smaller on purpose (many turned labels) keep their size.
        const int own = axis->labelsFont().pixelSize();
        axis->setLabelsFont(own > 0 && own < pixelSize ? reportFont(kSans, own) : font);
        axis->setTitleFont(font);
    }
}

void VfPrinter::renderChart(QtCharts::QChart *chart, const QRect &area)
{
    if (!chart)
        return;
    if (m_measuring) {
        delete chart;
        return;
    }
    applyReportFonts(chart);
    m_painter->save();
    m_painter->resetTransform();
    m_painter->translate(area.topLeft());
    VfReportChart::render(chart, m_painter, area.size());
    m_painter->restore();
    delete chart;
}

void VfPrinter::onGuiThread(const std::function<void()> &work)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread())
        work();
    else
        QMetaObject::invokeMethod(application, work, Qt::BlockingQueuedConnection);
}

QString VfPrinter::pdfCreator()
{
    return QStringLiteral("Suite Valtrix ") + QStringLiteral(VALTRIX_REVISION);
}

int VfPrinter::beginPainting()
{
    if (m_optionsRefused)
        return -1;
    if (!m_reportTitle.isEmpty())
        setDocName(m_reportTitle);
    // The PDF writer writes wherever it is pointed and reports no failed
    // write: it writes into memory, and endPainting checks the file.
    m_pdfWriter.reset();
    m_besidePdf.clear();
    m_pdf = std::make_unique<QBuffer>();
    m_pdf->open(QIODevice::WriteOnly);
    m_pdfWriter = std::make_unique<QPdfWriter>(m_pdf.get());
    m_pdfWriter->setResolution(resolution());
    m_pdfWriter->setPageLayout(pageLayout());
    m_pdfWriter->setCreator(creator());
    m_pdfWriter->setTitle(docName());
    return m_painter->begin(m_pdfWriter.get()) ? 0 : -1;
}

int VfPrinter::endPainting()
{
    if (m_painter->isActive() && !m_painter->end())
        return -1;
    if (!m_pdfWriter)
        return 0;
    m_pdfWriter.reset();
    QList<QPair<QString, QByteArray>> files{{reportFileName(), m_pdf->data()}};
    files += m_besidePdf;
    m_pdf.reset();
    m_besidePdf.clear();
    // The PDF and its exports are one report: none replaces its old file
    // unless all were written whole.
    return WholeFile::writeTogether(files, &m_failedReason, &m_failedFileName) ? 0 : -1;
}

void VfPrinter::writeBesidePdf(const QString &fileName, const QByteArray &content)
{
    m_besidePdf.append({fileName, content});
}

bool VfPrinter::newPage()
{
    return m_pdfWriter ? m_pdfWriter->newPage() : QPrinter::newPage();
}

int VfPrinter::setOutputFile(QString name)
{
    if (!name.endsWith(QLatin1String(".pdf")))
        name += QLatin1String(".pdf");
    setOutputFileName(name);
    return 1;
}

bool VfPrinter::openReport()
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(outputFileName()));
}

int VfPrinter::textHeight(const QString &text, const QRect &area, int flags) const
{
    return m_painter->boundingRect(area, flags, text).height();
}

int VfPrinter::drawTopBand()
{
    QSize logoBox(0, 0);
    if (m_logoEnable) {
        // An image, not a pixmap: a report may be written off the GUI
        // thread. It is read and scaled once for every page.
        const QString logoFile = QmlFileName::toLocalPath(m_logoFile);
        if (logoFile != m_logoFile || m_logo.isNull()) {
            m_logoFile = logoFile;
            QImage logo;
            if (!m_logoFile.isEmpty() && logo.load(m_logoFile))
                m_logo = logo.scaled(kLogoWidth, kLogoHeight, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
        }
        if (!m_logo.isNull()) {
            m_painter->resetTransform();
            if (!m_measuring)
                m_painter->drawImage(0, 0, m_logo);
            logoBox = QSize(m_logo.width() + kLogoGap, m_logo.height() + kLogoGap);
        }
    }
    m_painter->save();
    m_painter->resetTransform();
    m_painter->setFont(reportFont(kSans, kTopBandPixels, QFont::Normal, true));
    const QString text =
        m_reportTitle + QStringLiteral(" @ ") + m_productName + QStringLiteral(" SN: ") + m_sn;
    QRect area = m_painter->window();
    area.setWidth(area.width() - logoBox.width());
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QRect rect = m_painter->boundingRect(area, flags, text);
    const int bandHeight = qMax(rect.height(), logoBox.height());
    ++m_pageNumber;
    m_painter->resetTransform();
    if (!m_measuring) {
        m_painter->drawText(rect.translated(logoBox.width(), 0), flags, text);
        m_painter->setPen(QPen(Qt::black, kRuleWidth, Qt::SolidLine));
        const QRect window = m_painter->window();
        m_painter->drawLine(window.left(), bandHeight, window.right(), bandHeight);
    }
    m_painter->restore();
    return m_headerGap + bandHeight;
}

// The band is as tall as the taller of its two texts, with the gap above them
// and room for the rule, so that what the pages reserve for it is what it takes.
int VfPrinter::drawBottomBand()
{
    m_painter->save();
    m_painter->resetTransform();
    m_painter->setFont(reportFont(kSans, kBottomBandPixels));
    m_painter->setPen(QPen(Qt::black, kRuleWidth, Qt::SolidLine));
    const QRect window = m_painter->window();
    const int footerFlags = Qt::AlignJustify | Qt::TextWordWrap;
    const QRect footerRect = m_painter->boundingRect(window, footerFlags, m_footerText);
    const QString page = pageText(m_pageNumber, m_pageCount);
    const int pageFlags = Qt::AlignRight | Qt::TextWordWrap;
    const QRect pageRect = m_painter->boundingRect(window, pageFlags, page);
    const int h = qMax(footerRect.height(), pageRect.height());
    const int ruleY = window.height() - h - m_footerMargin;
    if (!m_measuring) {
        m_painter->drawLine(window.left(), ruleY, window.right(), ruleY);
        m_painter->translate(0, window.height() - h);
        m_painter->drawText(footerRect, footerFlags, m_footerText);
        m_painter->drawText(QRect(0, 0, window.width(), h), pageFlags, page);
    }
    m_painter->restore();
    if (!m_measuring)
        emit pageWritten(m_pageNumber, m_pageCount);
    return h + m_footerMargin + qCeil(kRuleWidth);
}

void VfPrinter::measureBottomBand()
{
    m_painter->save();
    m_painter->setFont(reportFont(kSans, kBottomBandPixels));
    const QRect window = m_painter->window();
    const int footer = textHeight(m_footerText, window, Qt::AlignJustify | Qt::TextWordWrap);
    // The page text is measured with the widest numbers it may show.
    const int page = textHeight(pageText(9999, 9999), window, Qt::AlignRight | Qt::TextWordWrap);
    m_painter->restore();
    m_footerHeight = qMax(footer, page) + m_footerMargin + qCeil(kRuleWidth);
}

int VfPrinter::finishPage()
{
    m_footerHeight = drawBottomBand();
    return startPage();
}

int VfPrinter::startPage()
{
    if (!m_measuring)
        newPage();
    m_contentTop = m_cursorY = drawTopBand();
    return m_cursorY;
}

int VfPrinter::pageBottom() const
{
    return m_painter->window().height() - m_footerHeight;
}

int VfPrinter::heightOnNewPage(const std::function<void()> &section)
{
    // Laid out from the top of a page, a section's height is what it needs
    // wherever it goes.
    const int start = m_cursorY;
    const bool measuring = m_measuring;
    m_measuring = true;
    m_cursorY = m_contentTop;
    section();
    const int height = m_cursorY - m_contentTop;
    m_measuring = measuring;
    m_cursorY = start;
    return height;
}

int VfPrinter::measurePages(const std::function<void()> &drawPages)
{
    const int firstPage = m_pageNumber;
    const int top = m_cursorY;
    setMeasuring(true);
    drawPages();
    setMeasuring(false);
    const int pages = m_pageNumber - firstPage + 1;
    m_pageNumber = firstPage;
    m_cursorY = top;
    return pages;
}

void VfPrinter::placeSection(const std::function<void()> &section)
{
    const int height = heightOnNewPage(section);
    if (m_cursorY > m_contentTop && m_cursorY + height > pageBottom())
        finishPage();
    section();
}

bool VfPrinter::notesWouldBeCut()
{
    if (!m_obsEnable || m_cursorY <= m_contentTop)
        return false;
    // The notes box ends where the signature's room begins.
    const int height = heightOnNewPage([this] { drawNotes(); });
    return m_cursorY + height > m_painter->window().height() - kNotesBottomReserve;
}

void VfPrinter::placeNotes()
{
    if (notesWouldBeCut())
        finishPage();
    drawNotes();
}

int VfPrinter::drawDateLine(const QDateTime &dateTime, int x, int y)
{
    // An instrument's date is its own calendar day, whatever this
    // computer's zone.
    const QString text = tr("Date") + QStringLiteral(": ") + dateText(dateTime.date());
    return drawTextAt(text, x, y, m_painter->window());
}

int VfPrinter::drawDateLineShort(int x, int y)
{
    return drawDateLine(QDateTime(QDate::currentDate(), QTime(12, 0)), x, y);
}

int VfPrinter::drawTextAt(QString text, int x, int y, QRect area)
{
    m_painter->resetTransform();
    m_painter->translate(x, y);
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const QRect rect = m_painter->boundingRect(area, flags, text);
    if (!m_measuring)
        m_painter->drawText(rect, flags, text);
    return rect.height() + QFontMetrics(m_painter->font()).leading();
}

int VfPrinter::drawLabelValue(QString label, QString value, int x, int y, QRect area)
{
    return drawLabelValueAt(label, value, x, y, 0, 0, area);
}

int VfPrinter::drawLabelValueAt(QString label, QString value, int x, int y, int dx, int dy,
                                QRect area)
{
    const QFont saved = m_painter->font();
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    m_painter->setFont(m_labelFont);
    const int labelHeight = textHeight(label, area, flags);
    m_painter->setFont(m_valueFont);
    const int valueHeight = textHeight(value, area, flags);
    m_painter->setFont(m_labelFont);
    drawTextAt(label, x, y, area);
    m_painter->setFont(m_valueFont);
    drawTextAt(value, x + dx + 5, y + labelHeight + dy + 1, area);
    m_painter->setFont(saved);
    return labelHeight + valueHeight + dy + QFontMetrics(saved).leading();
}

void VfPrinter::drawParagraph(const QString &text)
{
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
    m_painter->setFont(m_sectionTitleFont);
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QRect rect = m_painter->boundingRect(m_painter->window(), flags, text);
    if (!m_measuring)
        m_painter->drawText(rect, flags, text);
    m_painter->translate(0, rect.height());
    m_cursorY += rect.height() + 2 * m_spacing;
}

void VfPrinter::drawSectionFrame(int top, int bottom)
{
    m_painter->resetTransform();
    if (!m_measuring)
        m_painter->drawRect(0, top, m_painter->window().width(), bottom - top);
}

void VfPrinter::drawNotes()
{
    if (!m_obsEnable)
        return;
    m_cursorY += m_spacing;
    drawParagraph(tr("Notes"));
    const int top = m_cursorY;
    m_cursorY += m_spacing;
    const QString text = m_obsText + QStringLiteral("\n");
    m_painter->resetTransform();
    m_painter->translate(m_inset, m_cursorY);
    m_painter->setFont(m_labelFont);
    QRect area = m_painter->window();
    area.setWidth(area.width() - 2 * m_inset);
    const int flags = Qt::AlignJustify | Qt::TextWordWrap;
    const QRect rect = m_painter->boundingRect(area, flags, text);
    const QRect window = m_painter->window();
    const int room = qMax(0, window.bottom() - window.top() - kNotesBottomReserve - m_cursorY);
    const int boxHeight = qMin(rect.isEmpty() ? 10 : rect.height(), room);
    // A text longer than the room left is cut at the frame, never drawn into
    // the bottom band.
    if (!m_measuring) {
        m_painter->setClipRect(QRect(0, 0, area.width(), boxHeight));
        m_painter->drawText(rect, flags, text);
        m_painter->setClipping(false);
    }
    m_cursorY += boxHeight;
    m_painter->resetTransform();
    m_painter->translate(0, top);
    if (!m_measuring)
        m_painter->drawRect(0, 0, window.width(), boxHeight);
    m_sectionEndY = m_cursorY;
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
}

void VfPrinter::drawSignatureLine()
{
    m_cursorY += kSignatureGaps * m_spacing;
    if (!m_repInfoEnable && !m_repIdInfoEnable) {
        m_cursorY += kUnsignedDrop;
        return;
    }
    QString text = QString(41, QLatin1Char('_'));
    if (m_repInfoEnable)
        text += QStringLiteral("\r\n") + m_repName;
    if (m_repIdInfoEnable)
        text += QStringLiteral("\r\n") + tr("ID") + QStringLiteral(": ") + m_repIdReg;
    const QRect window = m_painter->window();
    m_painter->resetTransform();
    m_painter->translate(window.width() / 2, m_cursorY);
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QRect rect =
        m_painter->boundingRect(QRect(0, 0, window.width() / 2, window.height()), flags, text);
    if (!m_measuring)
        m_painter->drawText(rect, flags, text);
    m_cursorY += rect.height() + 2 * m_spacing;
    m_sectionEndY = m_cursorY;
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
}

void VfPrinter::createTable(bool withTable)
{
    m_pageCount = 1;
    if (!m_experiment)
        return;
    for (Experiment *run = m_experiment->first(); run; run = run->next()) {
        ++m_pageCount;
        // Once a table was found too wide, the report draws none.
        if (withTable && m_tableEnable)
            m_pageCount += runTablePages(run);
    }
}

int VfPrinter::runTablePages(Experiment *run)
{
    std::unique_ptr<VfTable> table(createRunTable(run));
    if (table->totalWidth() > m_painter->window().width()) {
        m_tableEnable = false;
        return 0;
    }
    const int pages = tablePages(table.get());
    // Built and measured once: printRunTable takes it.
    delete m_countedTables.take(run);
    m_countedTables.insert(run, table.release());
    return pages;
}

int VfPrinter::tablePages(VfTable *table) const
{
    if (!table)
        return 0;
    table->setTopMargin(m_footerHeight);
    return table->pageCount(0, m_contentTop);
}

VfTable *VfPrinter::createRunTable(Experiment *run)
{
    auto *table = new VfFullPageTable(m_painter);
    table->setBodyFont(m_tableBodyFont);
    table->setRows(tableRow(run));
    table->setHeaderFont(m_tableHeaderFont);
    table->setHeader(tableHeader(run));
    table->setCaption(tableCaption(run), m_sectionTitleFont);
    return table;
}

QString VfPrinter::tableCaption(const Experiment *run) const
{
    // Tables of one report follow each other: each names its run, by the
    // number its pages carry, when there is more than one.
    if (!m_runTablesNamed || !run || (!run->prev() && !run->next()))
        return QString();
    return tr("Event") + QLatin1Char(' ') + QString::number(run->position());
}

QList<VfSubSuperScript *> VfPrinter::tableHeader(Experiment *)
{
    return {};
}

QList<QString> VfPrinter::tableExtraList(Experiment *)
{
    return {};
}

QList<VfTableRow> VfPrinter::tableRow(Experiment *)
{
    return {};
}

void VfPrinter::drawPageEnd(int) {}

int VfPrinter::printRunTable(Experiment *run)
{
    VfTable *counted = m_countedTables.take(run);
    return printTable(counted ? counted : createRunTable(run));
}

int VfPrinter::printTable(VfTable *table)
{
    delete m_currentTable;
    m_currentTable = table;
    if (!m_currentTable)
        return 0;
    m_currentTable->setTopMargin(m_footerHeight);
    int result = 0;
    if (m_currentTable->pageCount(0, m_contentTop) > 0) {
        connect(m_currentTable, &VfTable::newPage, this, &VfPrinter::newTablePage,
                Qt::DirectConnection);
        connect(m_currentTable, &VfTable::finishPage, this, &VfPrinter::finishTablePage,
                Qt::DirectConnection);
        m_cursorY = m_contentTop;
        result = m_currentTable->draw(0, m_contentTop) < 0 ? -1 : 0;
        drawBottomBand();
    }
    delete m_currentTable;
    m_currentTable = nullptr;
    return result;
}

void VfPrinter::finishTablePage()
{
    if (!m_currentTable)
        return;
    drawBottomBand();
    m_currentTable->setPageFinished(true);
}

void VfPrinter::newTablePage()
{
    if (!m_currentTable)
        return;
    newPage();
    m_contentTop = m_cursorY = drawTopBand();
    m_currentTable->setNewPageDone(true);
}

void VfPrinter::setReportOptions(QString json)
{
    readCommonOptions(json);
}

bool VfPrinter::readCommonOptions(const QString &json, QJsonObject *object)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (document.isNull()) {
        m_optionsRefused = true;
        return false;
    }
    const QJsonObject options = document.object();
    if (object)
        *object = options;
    const QString fileName =
        QmlFileName::toLocalPath(options.value(QStringLiteral("fileName")).toString());
    // Without a file name the report would land in a file named ".pdf" in
    // whatever folder the program runs in.
    m_optionsRefused = !document.isObject() || QFileInfo(fileName).fileName().isEmpty();
    setOutputFile(fileName);
    const struct
    {
        const char *key;
        QString *member;
    } texts[] = {
        {"ownCompany", &m_ownCompany}, {"collectorName", &m_collectorName},
        {"repIdReg", &m_repIdReg},     {"repName", &m_repName},
        {"cmpnyName", &m_cmpnyName},   {"siteName", &m_siteName},
        {"emplName", &m_emplName},     {"logoFile", &m_logoFile},
        {"obsText", &m_obsText},
    };
    for (const auto &text : texts)
        *text.member = options.value(QLatin1String(text.key)).toString();
    const struct
    {
        const char *key;
        bool *member;
    } switches[] = {
        {"ckbTable", &m_tableEnable},
        {"ownCompanyInfoEnable", &m_ownCompanyInfoEnable},
        {"collectorInfoEnable", &m_collectorInfoEnable},
        {"emplInfoEnable", &m_emplInfoEnable},
        {"repInfoEnable", &m_repInfoEnable},
        {"repIdInfoEnable", &m_repIdInfoEnable},
        {"cmpnyInfoEnable", &m_cmpnyInfoEnable},
        {"siteInfoEnable", &m_siteInfoEnable},
        {"logoEnable", &m_logoEnable},
        {"obsEnable", &m_obsEnable},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
    return true;
}

// Both ends are snapped outward to a step that the range's size picks; a
// range under 1 is scaled by ten (twice at most) and the scale undone at the
// end. Equal ends are first widened by one either way so that the axis has a
// span.
void VfPrinter::setAxisRange(QtCharts::QValueAxis *axis)
{
    if (!axis)
        return;
    double min = axis->min();
    double max = axis->max();
    if (!(max > min)) {
        min -= 1;
        max = min + 2;
    }
    double range = max - min;
    int exponent = 0;
    while (range < 1 && exponent < 2) {
        min *= 10;
        max *= 10;
        range *= 10;
        ++exponent;
    }
    const char *const formats[] = {"%.0f", "%.1f", "%.2f", "%.3f"};
    const QString scaledFormat = QString::fromLatin1(formats[qMin(3, exponent + 1)]);
    double step;
    int ticks;
    QString format;
    if (range > 4) {
        step = 10;
        ticks = 5;
        // With a scaled range the step is one unit of the first decimal kept.
        format = QString::fromLatin1(formats[qMin(3, exponent + (exponent > 0 ? 1 : 0))]);
    } else if (range > 2) {
        step = 2;
        ticks = 5;
        format = scaledFormat;
    } else if (range > 1) {
        step = 1;
        ticks = 3;
        format = scaledFormat;
    } else {
        step = 0.5;
        ticks = 2;
        format = scaledFormat;
    }
    const auto fuzzyEqual = [](double a, double b) {
        return std::abs(a - b) * 1e12 <= qMin(std::abs(a), std::abs(b));
    };
    double lo = std::trunc(min / step) * step;
    if (min < 0)
        lo = fuzzyEqual(lo, min) ? min : lo - step;
    double hi = std::trunc(max / step) * step;
    if (max >= 0)
        hi = fuzzyEqual(hi, max) ? max : hi + step;
    const double scale = std::pow(10.0, exponent);
    axis->setLabelFormat(format);
    axis->setTickCount(ticks);
    axis->setMax(hi / scale);
    axis->setMin(lo / scale);
}

QString VfPrinter::zeroPaddedNumber(double value, int intDigits, int decimals)
{
    const QLocale locale;
    QString text = locale.toString(value, 'f', qMax(0, decimals));
    int count = decimals > 0 ? text.size() - decimals - 1 : text.size();
    while (count < intDigits) {
        text.prepend(QLatin1Char('0'));
        ++count;
    }
    return text;
}

QString VfPrinter::dateText(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

// ------------------------------------------------------------ section helpers

void VfPrinter::useSectionReportFonts()
{
    const QString mono = QStringLiteral("FreeMono");
    m_tableBodyFont = reportFont(mono, 8);
    m_tableHeaderFont = reportFont(mono, 8);
    m_sectionTitleFont = reportFont(kSans, 10, QFont::Bold);
    m_labelFont = reportFont(kSans, 10);
    m_familyFont = reportFont(kSans, 9);
}

int VfPrinter::contentWidth() const
{
    return m_painter->window().width() - 2 * m_inset;
}

int VfPrinter::openSection(const QString &heading)
{
    m_cursorY += m_spacing;
    drawParagraph(heading);
    const int top = m_cursorY;
    m_cursorY += m_spacing;
    m_painter->setFont(m_labelFont);
    return top;
}

void VfPrinter::closeSection(int top)
{
    drawSectionFrame(top, m_cursorY);
    m_sectionEndY = m_cursorY;
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
}

int VfPrinter::drawLabel(VfSubSuperScript &label, int x, int y)
{
    if (m_measuring)
        return label.height(m_painter);
    const int height = label.draw(x, y, m_painter);
    m_painter->resetTransform();
    return height;
}

int VfPrinter::drawLine(const QString &text, int x, int y, int width, bool bold)
{
    QFont font = m_labelFont;
    font.setBold(bold);
    m_painter->setFont(font);
    const int height = drawTextAt(text, x, y, QRect(0, 0, qMax(1, width), 0));
    m_painter->setFont(m_labelFont);
    return height;
}

int VfPrinter::drawColumns(const QList<Column> &columns, int y, bool headed)
{
    if (columns.isEmpty())
        return y;
    const int step = contentWidth() / columns.size();
    QList<int> lefts;
    for (int k = 0; k < columns.size(); ++k)
        lefts.append(m_inset + k * step);
    return drawColumnsAt(columns, lefts, step - m_inset, y, headed);
}

int VfPrinter::drawSpacedColumns(const QList<Column> &columns, int y)
{
    if (columns.isEmpty())
        return y;
    const int count = int(columns.size());
    return drawColumnsAt(columns, spacedColumnLefts(count), contentWidth() / count, y);
}

QList<int> VfPrinter::spacedColumnLefts(int count) const
{
    QList<int> lefts;
    const int step = contentWidth() / qMax(1, count) + m_inset;
    for (int k = 0; k < count; ++k)
        lefts.append(m_inset + k * step);
    return lefts;
}

int VfPrinter::drawColumnsAt(const QList<Column> &columns, const QList<int> &lefts, int width,
                             int y, bool headed)
{
    const int right = m_inset + contentWidth();
    int bottom = y;
    for (int k = 0; k < columns.size() && k < lefts.size(); ++k) {
        const int x = lefts.at(k);
        // The last of spaced columns would reach past the frame.
        const int wrap = qMin(width, right - x);
        int cur = y;
        const Column &lines = columns.at(k);
        for (int i = 0; i < lines.size(); ++i)
            cur += drawLine(lines.at(i), x, cur, wrap, headed && i == 0);
        bottom = qMax(bottom, cur);
    }
    return bottom;
}

int VfPrinter::drawChart(QtCharts::QChart *chart, int y, int height)
{
    renderChart(chart, QRect(m_inset, y, contentWidth(), height));
    return height;
}

int VfPrinter::sharedChartHeight(int count, int reserve, int full, int least) const
{
    const int room = m_painter->window().height() - m_footerHeight - m_cursorY - reserve;
    return qBound(least, room / qMax(1, count) - m_spacing, full);
}
