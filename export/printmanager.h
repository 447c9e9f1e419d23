#pragma once

#include <QObject>

#include <memory>

class Flightplan;
class QIODevice;
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// Printing of the operational flight plan: page set-up, preview and print dialogs over one
// printer whose settings last for the session, and the PDF the exporter writes. The plan text
// is set in a monospaced font small enough that its 92 columns keep their places on A4 and
// Letter paper.
class PrintManager : public QObject
{
    Q_OBJECT

public:
    // A null plan or a second instance ends the program.
    explicit PrintManager(Flightplan *flightplan, QObject *parent = nullptr);
    ~PrintManager() override;

    Q_INVOKABLE void printPageSetup();
    Q_INVOKABLE void printPreview();
    Q_INVOKABLE void printDialog();

    // Prints the plan on a printer. A printer whose output is a PDF file replaces that file only
    // with the whole document: false, with failed(), when it could not or when the printer's
    // list of pages names none of the plan's, the older file kept.
    bool print(QPrinter *printer);

    // The operational flight plan laid out for printing.
    static std::unique_ptr<QTextDocument> document(Flightplan *flightplan);
    // The PDF of the operational flight plan, on the paper of the locale, into an open device;
    // false when nothing could be written.
    static bool writePdf(Flightplan *flightplan, QIODevice *device);
    // Prints the plan's text on a device's pages: sections kept whole, a table continued on a
    // new page under its head again.
    static void print(QTextDocument *text, QPagedPaintDevice *device);
    // A4, or Letter where the locale measures in US units.
    static bool letterPaper();

signals:
    void failed(const QString &message);

private:
    QPrinter *printer();
    bool printToFile(QPrinter *printer);

    Flightplan *m_flightplan = nullptr;
    std::unique_ptr<QPrinter> m_printer;

    static PrintManager *s_instance;
};
