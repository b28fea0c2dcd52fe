// Reading a page's PDF back for the rendering tests: the words that
// pdftotext (poppler-utils) finds, with their boxes in band pixels.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "report/page.h"

namespace dek::testing {

struct PdfWord {
    QString text;
    QRectF box;  // band pixels of a page printed with `margin_left_mm` / `margin_top_mm`
};

inline bool have_pdftotext() { return QProcess::execute("pdftotext", {"-v"}) >= 0; }

// The words of a one-page PDF, their boxes turned from points on the paper
// into band pixels of a page with the given margins.
inline std::vector<PdfWord> pdf_words(const QByteArray& pdf, double margin_left_mm, double margin_top_mm) {
    QTemporaryDir dir;
    const QString in = dir.filePath("p.pdf");
    const QString out = dir.filePath("p.html");
    QFile f(in);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(pdf);
    f.close();
    QProcess::execute("pdftotext", {"-bbox", in, out});
    QFile h(out);
    if (!h.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(h.readAll());
    const auto px_x = [&](double pt) { return (pt / 72.0 * 25.4 - margin_left_mm) / report::kMmPerPixel; };
    const auto px_y = [&](double pt) { return (pt / 72.0 * 25.4 - margin_top_mm) / report::kMmPerPixel; };
    std::vector<PdfWord> words;
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF tl(px_x(m.captured(1).toDouble()), px_y(m.captured(2).toDouble()));
        const QPointF br(px_x(m.captured(3).toDouble()), px_y(m.captured(4).toDouble()));
        words.push_back({m.captured(5), QRectF(tl, br)});
    }
    return words;
}

}  // namespace dek::testing
