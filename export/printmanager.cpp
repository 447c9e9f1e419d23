#include "printmanager.h"

#include "flightplan.h"
#include "templating.h"

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
    document->setPlainText(Templating::render(flightplan, QStringLiteral("ofp.txt")));
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
    text->print(&writer);
    return device->pos() > before;
}

void PrintManager::print(QPrinter *printer)
{
    document(m_flightplan)->print(printer);
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
