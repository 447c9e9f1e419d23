#include "printmanager.h"

#include "flightplan.h"
#include "templating.h"

#include <QFontDatabase>
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
// none. The widest line of the plan, the 93 columns of the leg table, takes 448 points in a
// monospaced font of 8 points: it fits the 482 points left between those margins on A4, the
// narrower paper.
constexpr double FontPoints = 8.0;
constexpr double MarginMillimetres = 0.0;

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(PrintManager::letterPaper() ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Portrait, QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                                        MarginMillimetres),
                       QPageLayout::Millimeter);
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
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(FontPoints);
    document->setDefaultFont(font);
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
