// The PDF writer of the sheets. A sheet is drawn from few kinds of things -
// filled and outlined rectangles, lines, clips and lines of text - so the
// document is written directly: each page's drawing in one compact content
// stream, the text as glyphs of TrueType faces embedded once per document
// as subsets of the glyphs it shows, with their character maps so the text
// stays text (searchable, copyable). The glyphs are placed exactly where the
// painter's text layout put them.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace dek::platform {

// A face read for embedding: what a subset of it needs and how its glyphs
// print. Read once per face and kept by a PdfFaces.
struct PdfFace;

// The faces met so far, each read once: a renderer keeps one for all the
// documents it writes.
class PdfFaces {
public:
    PdfFaces();
    ~PdfFaces();
    PdfFaces(const PdfFaces&) = delete;
    PdfFaces& operator=(const PdfFaces&) = delete;

    // The face of a raw font.
    const PdfFace& face(const QRawFont& font);

private:
    std::map<QString, std::unique_ptr<PdfFace>> faces_;
    std::vector<std::pair<QRawFont, const PdfFace*>> by_font_;  // the faces of the raw fonts met
};

class PdfDocument;

// One page of a document. Coordinates are user units, mapped onto the page's
// points (from its bottom-left corner, as PDF counts) by the matrix given
// first.
class PdfPage {
public:
    void set_matrix(const QTransform& to_points);
    void fill_rect(const QRectF& rect, const QColor& fill);
    // Filled and outlined in black, the outline centred on the rectangle's
    // edges, square caps and bevelled joins (the painter's default pen).
    void outlined_rect(const QRectF& rect, const QColor& fill, double pen_width);
    // A black line with flat ends.
    void line(const QPointF& from, const QPointF& to, double width);
    // Until end_clip, nothing is drawn outside the rectangle.
    void begin_clip(const QRectF& rect);
    void end_clip();
    // The glyphs of the run in black, each at its position (the origin of
    // its baseline). A face whose outlines cannot be embedded has its glyphs
    // drawn as shapes.
    void glyphs(const QGlyphRun& run);

private:
    friend class PdfDocument;
    explicit PdfPage(PdfDocument& document) : document_(document) {}

    struct State {
        QColor fill = Qt::black;
        QColor stroke = Qt::black;
        double width = 1;
        int cap = 0;
        int join = 0;
    };
    void fill_color(const QColor& c);
    void stroke(double width, int cap, int join);

    PdfDocument& document_;
    std::string content_;
    std::set<int> fonts_;  // the document's fonts this page shows
    State state_;
    std::vector<State> saved_;
};

struct PdfOptions {
    QString title;
    QString creator = QStringLiteral("dek2018");
    bool pdfa = false;  // an archive copy: PDF/A-1b
    // The pages' size in points: A4, or the paper of a printer without A4.
    double page_width_pt = 595.0;
    double page_height_pt = 842.0;
};

class PdfDocument {
public:
    PdfDocument(PdfFaces& faces, PdfOptions options);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // A new page of the options' size (A4: 595 x 842 points) after the others.
    PdfPage& new_page();
    double page_height_pt() const { return options_.page_height_pt; }
    int pages() const { return static_cast<int>(pages_.size()); }
    // The whole file. No page can be added afterwards.
    QByteArray finish();

private:
    friend class PdfPage;
    struct Font;
    // The document's font of a face, its number (resource /F<n>), and the
    // character code of a glyph in it.
    int font_of(const PdfFace& face);
    std::uint16_t code_of(int font, std::uint32_t glyph);
    void end_page();
    int new_object();
    void set_object(int number, std::string body);
    void write_font(int index);

    PdfFaces& faces_;
    PdfOptions options_;
    std::vector<std::string> objects_;  // by number - 1
    std::vector<std::unique_ptr<PdfPage>> pages_;
    std::vector<int> page_objects_;
    std::vector<std::unique_ptr<Font>> fonts_;
    int pages_object_ = 0;
    bool finished_ = false;
};

}  // namespace dek::platform
