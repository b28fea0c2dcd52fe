// The Ministry's own PDF pages as sheet backgrounds. A page is placed 1:1
// from the paper's top-left corner (its crop box, else its media box, onto
// the sheet): in the sheets' PDF as a form XObject of the page's own content,
// so the form's text stays text, and on every other device (images, the
// preview, painted PDF) as an image of the page. Interactive form fields
// (widget annotations) are left out; what the file has flattened into the
// page's content is part of it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace dek::platform {

// Where a background lies on the paper: moved dx_mm to the right and dy_mm
// down, scaled about the paper's top-left corner.
struct Placement {
    double dx_mm = 0;
    double dy_mm = 0;
    double scale = 1;
};

// A file that cannot serve as a background; what() says why.
class BackgroundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One page of a PDF file, read once and shared by every sheet that shows it.
class PdfBackgroundPage {
public:
    struct Source;
    PdfBackgroundPage(std::shared_ptr<Source> source, int index, QString name, QSizeF size_mm,
                      std::string pdfa_obstacle);
    ~PdfBackgroundPage();
    PdfBackgroundPage(const PdfBackgroundPage&) = delete;
    PdfBackgroundPage& operator=(const PdfBackgroundPage&) = delete;

    // "PIT-37(25).pdf, page 2" - for notices.
    const QString& name() const { return name_; }
    // The crop box (else the media box) upright, in millimetres.
    QSizeF size_mm() const { return size_mm_; }
    // Where the page's drawing lies, in millimetres from the page's top-left
    // corner: what the page puts on paper (white counts as nothing).
    QRectF ink_mm() const;
    // Empty when an archive copy (PDF/A-1b under the sRGB intent) can take
    // the page as it is; otherwise what it cannot take ("CMYK colour", "the
    // font Helvetica is not embedded", "transparency").
    const std::string& pdfa_obstacle() const { return pdfa_obstacle_; }
    // The page as an image at `dpi` (the crop box, white behind it, form
    // fields not drawn).
    QImage image(double dpi) const;

    // The page's PDF internals, for the document that embeds it.
    const Source& source() const { return *source_; }
    int index() const { return index_; }

private:
    std::shared_ptr<Source> source_;
    int index_;
    QString name_;
    QSizeF size_mm_;
    std::string pdfa_obstacle_;
    mutable QRectF ink_;
    mutable bool ink_known_ = false;
};

// The pages of a PDF file's contents (`name` names it in notices), in
// order. Throws BackgroundError when it is not a readable PDF of at least
// one page, or when it is encrypted so that its content cannot be read.
std::vector<std::shared_ptr<const PdfBackgroundPage>> read_pdf_background(const QByteArray& bytes, const QString& name);

// The background pages to put under pages of a document of ours, each page
// counted from 0.
class PdfUnderlay {
public:
    void add(int page, std::shared_ptr<const PdfBackgroundPage> background, Placement placement);
    bool empty() const { return entries_.empty(); }
    // The document with every background drawn first on its page, before the
    // page's own drawing. A background page shown on many pages is embedded
    // once. Throws BackgroundError when the document does not read back.
    QByteArray apply(const QByteArray& pdf) const;

private:
    struct Entry {
        int page;
        std::shared_ptr<const PdfBackgroundPage> background;
        Placement placement;
    };
    std::vector<Entry> entries_;
};

}  // namespace dek::platform
