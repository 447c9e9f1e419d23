#include "printmanager.h"

#include "exporter.h"
#include "flightplan.h"
#include "templating.h"
#include "wholesavefile.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIODevice>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <functional>

PrintManager *PrintManager::s_instance = nullptr;

namespace {

// The widest lines of the plan, the 92 columns of the leg table and of the rulers, take about
// 443 points in a monospaced font of 8 points (an advance of 0.6 em): they fit the 482 points
// left between margins of 2 cm on A4, the narrower paper.
constexpr double FontPoints = 8.0;
constexpr double MarginMillimetres = 20.0;
// Below the text, in the bottom margin: the page number.
constexpr double PageNumberGapPoints = 5.0;

bool keepsColumns(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('W'));
    if (advance <= 0)
        return false;
    for (const QChar c : QStringLiteral("i.:-= 0M"))
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), advance))
            return false;
    return true;
}

// The machine's face for fixed-pitch text, or, when the face it names does not keep the
// columns, the first installed fixed-pitch family that does.
QFont monospacedFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(FontPoints);
    if (keepsColumns(font))
        return font;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (!QFontDatabase::isFixedPitch(family))
            continue;
        QFont candidate(family);
        candidate.setPointSizeF(FontPoints);
        if (keepsColumns(candidate))
            return candidate;
    }
    qWarning() << "No installed font keeps the columns of the printed flight plan; using" << font.family();
    return font;
}

bool isRuler(const QString &line)
{
    return !line.isEmpty() && std::all_of(line.cbegin(), line.cend(), [&line](QChar c) {
        return c == line.front() && (c == u'-' || c == u'=');
    });
}

// The page a block is printed on: where the middle of its first line lies.
int pageOf(const QTextBlock &block, qreal pageHeight)
{
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout->lineAt(0);
    const qreal middle = layout->position().y() + (line.isValid() ? line.y() + line.height() / 2 : 0.0);
    return int(middle / pageHeight);
}

qreal heightOf(const QTextBlock &first, const QTextBlock &last)
{
    qreal height = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        height += block.layout()->boundingRect().height();
        if (block == last)
            break;
    }
    return height;
}

void breakBefore(const QTextBlock &block)
{
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
}

// Copies the lines from first to last before a block, the copy beginning a page.
void repeatBefore(const QTextBlock &block, const QTextBlock &first, const QTextBlock &last)
{
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::PreviousCharacter);
    QTextBlockFormat format = first.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    for (QTextBlock line = first; line.isValid(); line = line.next()) {
        cursor.insertBlock(format);
        cursor.insertText(line.text());
        format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        if (line == last)
            break;
    }
}

// The whole text laid out from its start: after a change the layout lays out again only from the
// changed block on, from where the line it had pushed to the next page left it, and a page
// break there began the page after.
void layOutAgain(QTextDocument *text)
{
    text->markContentsDirty(0, text->characterCount());
    text->documentLayout()->documentSize();
}

// The plan is made of sections, the runs of lines between blank lines. A section that fits on a
// page is never split: it begins the next page instead. A longer one (the leg table of a long
// flight) is split where the pages end; when it begins with a head closed by a ruler, each page
// it continues on begins with that head again, and the head never stands alone at the foot of
// a page. Measured on the document's own layout, laid out for the device it prints on, so that
// it holds whatever font and paper.
void keepSectionsWhole(QTextDocument *text)
{
    const qreal pageHeight = text->pageSize().height();
    for (QTextBlock first = text->firstBlock(); first.isValid();) {
        if (first.text().trimmed().isEmpty()) {
            first = first.next();
            continue;
        }
        QTextBlock last = first;
        while (last.next().isValid() && !last.next().text().trimmed().isEmpty())
            last = last.next();
        layOutAgain(text);
        if (pageOf(first, pageHeight) != pageOf(last, pageHeight)) {
            QTextBlock headEnd = first.next();
            while (isRuler(first.text()) && headEnd.isValid() && headEnd != last && !isRuler(headEnd.text()))
                headEnd = headEnd.next();
            const bool head = isRuler(first.text()) && headEnd != last && isRuler(headEnd.text());
            if (heightOf(first, last) <= pageHeight
                || (head && pageOf(first, pageHeight) != pageOf(headEnd.next(), pageHeight))) {
                breakBefore(first);
                layOutAgain(text);
            }
            for (QTextBlock block = head ? headEnd.next().next() : QTextBlock(); block.isValid();
                 block = block.next()) {
                if (pageOf(block, pageHeight) != pageOf(block.previous(), pageHeight)) {
                    repeatBefore(block, first, headEnd);
                    layOutAgain(text);
                }
                if (block == last)
                    break;
            }
        }
        first = last.next();
    }
}

// Lays the text out on the pages of the device, in its pixels: the layout that decides the page
// breaks is the one that prints.
void layOutFor(QTextDocument *text, QPagedPaintDevice *device)
{
    text->documentLayout()->setPaintDevice(device);
    text->setDocumentMargin(0);
    text->setPageSize(QSizeF(device->width(), device->height()));
    keepSectionsWhole(text);
}

// The pages in the order they come out: those of the printer's ranges ("1,3" is two pages, not
// three), and the copies the printer cannot make itself, each page repeated in place or the whole
// run repeated as the copies are collated or not.
QList<int> pageSequence(int pageCount, const QPrinter *printer)
{
    const QPageRanges ranges = printer ? printer->pageRanges() : QPageRanges();
    QList<int> pages;
    for (int number = 1; number <= pageCount; ++number) {
        if (ranges.isEmpty() || ranges.contains(number))
            pages.append(number);
    }
    if (!printer)
        return pages;
    if (printer->pageOrder() == QPrinter::LastPageFirst)
        std::reverse(pages.begin(), pages.end());
    const int copies = printer->supportsMultipleCopies() ? 1 : std::max(1, printer->copyCount());
    const bool collated = printer->collateCopies();
    QList<int> sequence;
    for (int run = 0; run < (collated ? copies : 1); ++run) {
        for (const int number : std::as_const(pages))
            sequence.append(QList<int>(collated ? 1 : copies, number));
    }
    return sequence;
}

// Paints the laid-out pages, each numbered below its text, in the range and order a printer
// asks for: the device's own, or the one whose file the device writes.
void printPages(const QTextDocument &text, QPagedPaintDevice *device, const QPrinter *printer)
{
    QPainter painter(device);
    if (!painter.isActive())
        return;
    const QSizeF page = text.pageSize();
    QAbstractTextDocumentLayout::PaintContext context;
    // The application's palette may write white on white paper.
    context.palette.setColor(QPalette::Text, Qt::black);
    const QFont numberFont(text.defaultFont(), device);
    const QFontMetricsF numberMetrics(numberFont, device);
    bool first = true;
    for (const int number : pageSequence(text.pageCount(), printer)) {
        if (!first && !device->newPage())
            return;
        first = false;
        painter.save();
        const QRectF view(0, (number - 1) * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        // A line that begins a page touches the foot of the page before: drawn there too,
        // clipped away, it would stay in the page's text for a reader to find.
        context.clip = view.adjusted(0, 1, 0, -1);
        text.documentLayout()->draw(&painter, context);
        painter.restore();
        const QString label = QString::number(number);
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(page.width() - numberMetrics.horizontalAdvance(label),
                    page.height() + numberMetrics.ascent() + PageNumberGapPoints * device->logicalDpiY() / 72.0),
            label);
    }
}

// The writer of a printer's file: the printer's paper, resolution, PDF version and names.
void setUpFor(QPdfWriter &writer, const QPrinter &printer)
{
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setPdfVersion(printer.pdfVersion());
    writer.setCreator(printer.creator().isEmpty() ? QStringLiteral("Waylore") : printer.creator());
    writer.setTitle(printer.docName().isEmpty() ? PrintManager::tr("Operational flight plan") : printer.docName());
}

// Why a printer's list of pages is refused: none of its pages is one of the plan's, and the file
// would hold a single blank page. A list that names some of them prints those, as a printing
// system does with the pages of a job.
QString noPageListed(const QPrinter &printer, int pageCount)
{
    const QPageRanges ranges = printer.pageRanges();
    if (ranges.isEmpty() || ranges.firstPage() <= pageCount)
        return QString();
    return PrintManager::tr("%1 names no page of the flight plan, whose last page is %2.")
        .arg(ranges.toString())
        .arg(pageCount);
}

QPageLayout pageLayout()
{
    return QPageLayout(
        QPageSize(PrintManager::letterPaper() ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres), QPageLayout::Millimeter);
}

} // namespace

PrintManager::PrintManager(Flightplan *flightplan, QObject *parent)
    : QObject(parent)
    , m_flightplan(flightplan)
{
    if (!m_flightplan)
        qFatal("Cannot create PrintManager object with NULL pointers!");
    if (s_instance)
        qFatal("PrintManager singleton already defined!");
    s_instance = this;
}

PrintManager::~PrintManager()
{
    if (s_instance == this)
        s_instance = nullptr;
}

bool PrintManager::letterPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem;
}

std::unique_ptr<QTextDocument> PrintManager::document(Flightplan *flightplan)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(monospacedFont());
    // A file ends with a line break; a printed page does not need the empty line after it,
    // which alone can make a last page.
    QString text = Templating::render(flightplan, QStringLiteral("ofp.txt"));
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    document->setPlainText(text);
    return document;
}

bool PrintManager::writePdf(Flightplan *flightplan, QIODevice *device)
{
    const std::unique_ptr<QTextDocument> text = document(flightplan);
    if (text->isEmpty())
        return false;
    QPdfWriter writer(device);
    writer.setPageLayout(pageLayout());
    writer.setCreator(QStringLiteral("Waylore"));
    writer.setTitle(tr("Operational flight plan"));
    const qint64 before = device->pos();
    print(text.get(), &writer);
    return device->pos() > before;
}

bool PrintManager::print(QPrinter *printer)
{
    // The preview paints through an engine of its own; only the printer's own PDF engine writes
    // the file, which it would empty first and then fill with no word of a failure.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty() && printer->paintEngine()
        && printer->paintEngine()->type() == QPaintEngine::Pdf)
        return printToFile(printer);
    print(document(m_flightplan).get(), printer);
    return true;
}

bool PrintManager::printToFile(QPrinter *printer)
{
    const QFileInfo info(printer->outputFileName());
    const std::unique_ptr<QTextDocument> text = document(m_flightplan);
    // The failures are told in the export's own words: a PDF printed or exported fails alike.
    WholeSaveFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Print to" << info.absoluteFilePath() << "failed:" << file.errorString();
        emit failed(Exporter::openFailure(info.absoluteFilePath(), file.errorString()));
        return false;
    }
    QString refusal;
    {
        QPdfWriter writer(&file);
        setUpFor(writer, *printer);
        layOutFor(text.get(), &writer);
        refusal = noPageListed(*printer, text->pageCount());
        if (refusal.isEmpty())
            printPages(*text, &writer, printer);
    }
    // The print dialog refuses such a list; the preview prints with the list of an earlier plan.
    if (!refusal.isEmpty()) {
        qWarning() << "Print to" << info.absoluteFilePath() << "refused:" << refusal;
        emit failed(refusal);
        return false;
    }
    if (!file.commit()) {
        qWarning() << "Print to" << info.absoluteFilePath() << "failed:" << file.errorString();
        emit failed(QCoreApplication::translate("Exporter", "Cannot write the file %1 (is the disk full?): %2")
                        .arg(QDir::toNativeSeparators(info.absoluteFilePath()), file.errorString()));
        return false;
    }
    qInfo() << "Printed to" << info.absoluteFilePath();
    return true;
}

void PrintManager::print(QTextDocument *text, QPagedPaintDevice *device)
{
    layOutFor(text, device);
    printPages(*text, device, dynamic_cast<QPrinter *>(device));
}

namespace {

// Qt's print dialog with its list of pages ("1,3") open when the printer writes a PDF file. Qt
// greys the list there, as only the printing system would pick the pages, and refuses a list
// the printer does not hold yet; the program picks the pages of a file itself (pageSequence()).
class PageListPrintDialog : public QPrintDialog
{
public:
    // pageCount: the pages of the plan in the file the printer writes.
    PageListPrintDialog(QPrinter *printer, std::function<int()> pageCount)
        : QPrintDialog(printer)
        , m_listed(findChild<QAbstractButton *>(QStringLiteral("pagesRadioButton")))
        , m_pages(findChild<QLineEdit *>(QStringLiteral("pagesLineEdit")))
        , m_pageCount(std::move(pageCount))
    {
        if (m_listed && m_pages)
            m_listed->installEventFilter(this);
    }

    void accept() override
    {
        if (listedToFile())
            printer()->setPageRanges(QPageRanges::fromString(m_pages->text()));
        QPrintDialog::accept();
    }

    // Refused as Qt refuses a list that names no page at all ("0"), the dialog left open. Laid
    // out here, once Qt has given the printer the paper chosen in the dialog.
    void done(int result) override
    {
        if (result == Accepted && listedToFile()) {
            const QString refusal = noPageListed(*printer(), m_pageCount());
            if (!refusal.isEmpty()) {
                QMessageBox::critical(this, PrintManager::tr("Invalid Pages Definition"), refusal);
                return;
            }
        }
        QPrintDialog::done(result);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Greyed by Qt itself, as each printer is chosen; a printer's own list stays as Qt has it.
        if (watched == m_listed && event->type() == QEvent::EnabledChange
            && m_listed->testAttribute(Qt::WA_ForceDisabled) && printer()->outputFormat() == QPrinter::PdfFormat)
            m_listed->setEnabled(true);
        return QPrintDialog::eventFilter(watched, event);
    }

private:
    bool listedToFile()
    {
        return m_listed && m_pages && m_listed->isChecked() && printer()->outputFormat() == QPrinter::PdfFormat;
    }

    QAbstractButton *m_listed;
    QLineEdit *m_pages;
    std::function<int()> m_pageCount;
};

} // namespace

QPrinter *PrintManager::printer()
{
    // Made on first use, so that the program starts without asking the print system.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(pageLayout());
    }
    return m_printer.get();
}

void PrintManager::printPageSetup()
{
    QPageSetupDialog dialog(printer());
    dialog.exec();
}

void PrintManager::printPreview()
{
    QPrintPreviewDialog dialog(printer());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) { print(target); });
    dialog.exec();
}

void PrintManager::printDialog()
{
    PageListPrintDialog dialog(printer(), [this] {
        // Laid out as printToFile() lays it out, on a writer that writes nothing.
        QBuffer nowhere;
        QPdfWriter writer(&nowhere);
        setUpFor(writer, *m_printer);
        const std::unique_ptr<QTextDocument> text = document(m_flightplan);
        layOutFor(text.get(), &writer);
        return text->pageCount();
    });
    if (dialog.exec() == QDialog::Accepted)
        print(m_printer.get());
}
