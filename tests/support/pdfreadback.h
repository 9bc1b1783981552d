#pragma once

// Reading a printed page back from the PDF printer: which file it wrote, and what lines of
// text stand where on the page (millimetres from the page's top-left corner).

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>
#include <QFontMetricsF>

#include "sheet/report.h"

#include <algorithm>

inline QString pdfOutputDir()
{
    const QByteArray dir = qgetenv("HORALO_PDF_DIR");
    return dir.isEmpty() ? QDir::homePath() + QStringLiteral("/PDF") : QString::fromLocal8Bit(dir);
}

inline bool printerRequired() { return qgetenv("HORALO_PRINTER_REQUIRED") == "1"; }

inline QStringList pdfFiles()
{
    QStringList files;
    const QFileInfoList infos = QDir(pdfOutputDir()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QFileInfo &info : infos)
        files << info.absoluteFilePath();
    return files;
}

// Waits for a PDF that was not there before and that the printer has finished writing.
inline QString waitForNewPdf(const QStringList &before, int timeoutMs = 60000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QStringList fresh;
        for (const QString &f : pdfFiles())
            if (!before.contains(f))
                fresh << f;
        if (!fresh.isEmpty()) {
            std::sort(fresh.begin(), fresh.end(), [](const QString &a, const QString &b) {
                return QFileInfo(a).lastModified() > QFileInfo(b).lastModified();
            });
            const QString path = fresh.first();
            // cups-pdf writes the file in place: wait until its size stays put and it has an end.
            qint64 size = -1;
            while (timer.elapsed() < timeoutMs) {
                const qint64 now = QFileInfo(path).size();
                if (now > 0 && now == size) {
                    QFile f(path);
                    if (f.open(QIODevice::ReadOnly) && f.readAll().contains("%%EOF"))
                        return path;
                }
                size = now;
                QThread::msleep(300);
            }
        }
        QThread::msleep(200);
    }
    return {};
}

struct PdfWord {
    double xMm = 0;
    double yMm = 0;
    QString text;
};

// Every word of the first page with the top-left corner of its box, in millimetres.
inline QList<PdfWord> readPdfWords(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QString::fromLatin1(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    constexpr double mmPerPt = 25.4 / 72.0;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString t = m.captured(5);
        t.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({m.captured(1).toDouble() * mmPerPt, m.captured(2).toDouble() * mmPerPt, t});
    }
    return words;
}

// Looks for one printed line: its words, in order, on the row at yMm, the first one starting
// at xMm (plus the width of the line's leading blanks). Returns an empty text when found,
// otherwise what stands nearest, for the failure message.
inline QString findPrintedLine(const QList<PdfWord> &words, double xMm, double yMm, const QString &text,
                               double leadingBlanksMm, double tolMm)
{
    const QStringList want = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<PdfWord> row;
    for (const PdfWord &w : words)
        if (std::abs(w.yMm - yMm) <= tolMm)
            row.append(w);
    std::sort(row.begin(), row.end(), [](const PdfWord &a, const PdfWord &b) { return a.xMm < b.xMm; });
    for (int i = 0; i < row.size(); ++i) {
        if (std::abs(row[i].xMm - (xMm + leadingBlanksMm)) > tolMm)
            continue;
        QStringList got;
        for (int j = i; j < row.size() && got.size() < want.size(); ++j)
            got << row[j].text;
        if (got == want)
            return {};
        return QStringLiteral("at (%1, %2) found '%3'").arg(row[i].xMm).arg(row[i].yMm).arg(got.join(' '));
    }
    QStringList near;
    for (const PdfWord &w : row)
        near << QStringLiteral("%1@(%2,%3)").arg(w.text).arg(w.xMm, 0, 'f', 1).arg(w.yMm, 0, 'f', 1);
    return QStringLiteral("nothing at x %1; row holds: %2").arg(xMm + leadingBlanksMm).arg(near.join(' '));
}

// Top-left corner of the default printer's printable area on the page, in millimetres.
inline QPointF printableOrigin()
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
}

// Width of the blanks a printed text starts with, in millimetres, in the report's font.
inline double leadingBlanksMm(const QString &text, int fontPt)
{
    int blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
        ++blanks;
    if (blanks == 0)
        return 0;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(fontPt);
    const QFontMetricsF metrics(font);
    // Font metrics at 72 dpi are in points.
    return metrics.horizontalAdvance(QString(blanks, QLatin1Char(' '))) * 72.0 / metrics.fontDpi() * 25.4 / 72.0;
}

// Compares every line of the page as the printer wrote it with where the report put it.
// Returns one message per line that is missing or misplaced by more than tolMm.
inline QStringList compareWithPrintedPage(const QString &pdfPath, const std::vector<sheet::ReportItem> &items,
                                          int fontPt, double tolMm)
{
    const QList<PdfWord> words = readPdfWords(pdfPath);
    const QPointF origin = printableOrigin();
    QStringList problems;
    if (words.isEmpty())
        problems << QStringLiteral("no text could be read from %1").arg(pdfPath);
    for (const sheet::ReportItem &item : items) {
        const QString text = QString::fromStdString(item.text);
        const QString why = findPrintedLine(words, origin.x() + item.xMm, origin.y() + item.yMm, text,
                                            leadingBlanksMm(text, fontPt), tolMm);
        if (!why.isEmpty())
            problems << QStringLiteral("'%1' at (%2, %3): %4").arg(text).arg(item.xMm).arg(item.yMm).arg(why);
    }
    return problems;
}

// Print tests need the default printer. Where the test set-up promised one, its absence is
// a failure; on a developer's machine without printers the test is skipped.
#define HORALO_REQUIRE_DEFAULT_PRINTER()                                                         \
    do {                                                                                         \
        if (QPrinterInfo::defaultPrinter().isNull()) {                                           \
            if (printerRequired())                                                               \
                QFAIL("no default printer: the PDF queue of the test set-up is missing");       \
            QSKIP("no default printer on this machine");                                         \
        }                                                                                        \
    } while (false)
