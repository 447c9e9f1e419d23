#include "printmanager.h"

#include "flightplan.h"
#include "templating.h"

#include <QBuffer>
#include <QDebug>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIODevice>
#include <QLocale>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

PrintManager *PrintManager::s_instance = nullptr;

namespace {

// QTextDocument::print() sets a margin of 2 cm on every side itself, so the page layout adds
// none. The widest lines of the plan, the 92 columns of the leg table and of the rulers, take
// about 443 points in a monospaced font of 8 points (an advance of 0.6 em): they fit the 482
// points left between those margins on A4, the narrower paper.
constexpr double FontPoints = 8.0;
constexpr double MarginMillimetres = 0.0;

// The columns of the plan stand on every character taking the same advance. Whether a face
// calls itself fixed-pitch does not tell: some monospaced faces do not, because a few of their
// glyphs are double width.
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

// Counts the pages that QTextDocument::print() begins on it, writing them nowhere useful.
class PageCounter : public QPdfWriter
{
public:
    explicit PageCounter(QIODevice *device)
        : QPdfWriter(device)
    {
    }

    bool newPage() override
    {
        ++m_pages;
        return QPdfWriter::newPage();
    }

    int pages() const { return m_pages; }

private:
    int m_pages = 1;
};

int printedPages(const QTextDocument &text, const QPageLayout &layout, int resolution)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    PageCounter counter(&sink);
    counter.setResolution(resolution);
    counter.setPageLayout(layout);
    text.print(&counter);
    return counter.pages();
}

// The plan ends with a short table, a ruler and the program's name: broken anywhere, it would
// leave a last page of a line or two. When the last page does not hold the first line of that
// last section (after the last blank line), the section begins a page of its own, unless it is
// too long for one.
void keepLastSectionTogether(QTextDocument *text, const QPageLayout &layout, int resolution)
{
    QTextBlock first = text->lastBlock();
    while (first.previous().isValid() && !first.previous().text().trimmed().isEmpty())
        first = first.previous();
    if (!first.previous().isValid())
        return;
    const int pages = printedPages(*text, layout, resolution);
    if (pages < 2)
        return;
    const std::unique_ptr<QTextDocument> head(text->clone());
    QTextCursor rest(head.get());
    rest.setPosition(first.position() + first.length() - 1);
    rest.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    rest.removeSelectedText();
    if (printedPages(*head, layout, resolution) == pages)
        return;
    QTextCursor cursor(first);
    const QTextBlockFormat unbroken = first.blockFormat();
    QTextBlockFormat broken = unbroken;
    broken.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(broken);
    if (printedPages(*text, layout, resolution) > pages)
        cursor.setBlockFormat(unbroken);
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
    keepLastSectionTogether(text.get(), writer.pageLayout(), writer.resolution());
    const qint64 before = device->pos();
    text->print(&writer);
    return device->pos() > before;
}

void PrintManager::print(QPrinter *printer)
{
    const std::unique_ptr<QTextDocument> text = document(m_flightplan);
    keepLastSectionTogether(text.get(), printer->pageLayout(), printer->resolution());
    text->print(printer);
}

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
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &PrintManager::print);
    dialog.exec();
}

void PrintManager::printDialog()
{
    QPrintDialog dialog(printer());
    if (dialog.exec() == QDialog::Accepted)
        print(m_printer.get());
}
