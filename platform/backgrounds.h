// The user's own backgrounds of the official pages, taken instead of the
// drawn ones without rebuilding: a folder (the environment variable
// DEK2018_SCANS) holding
//   - scans, <CLASS>.png, .jpg or .jpeg (TF_w37181.png), up to 600 dpi,
//     stretched into the page's image rectangle;
//   - the Ministry's PDF pages: <CLASS>.pdf (its first page), or a form's
//     whole PDF named after the form and its edition with "/" written "-"
//     (PIT-37(25).pdf, PIT-28-A(18).pdf, PIT-O(23).pdf), its pages serving
//     the form's page classes in order;
//   - placement.txt: per page class where its background lies on the paper,
//     one line each: "TF_w37181 dx=-0.4 dy=0.7 scale=0.998" (millimetres
//     right and down, the scale about the paper's top-left corner; each
//     part may be left out).
// A file of the page class wins over a form's whole PDF. A file that cannot
// be used is named in a notice, once, and the next one (at last the drawn
// background) serves instead; nothing is dropped in silence.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pdf_background.h"

namespace dek::platform {

// A line for the user about a background not used.
using BackgroundNotice = std::function<void(const std::string&)>;

// What a page shows instead of its drawn background. Neither a scan nor a
// PDF page: the drawn background.
struct UserBackground {
    QImage scan;
    std::shared_ptr<const PdfBackgroundPage> pdf;
    Placement placement;
    bool drawn() const { return scan.isNull() && !pdf; }
};

// The whole-form PDF that holds a page class's page, and which page of it
// (from 1): {"PIT-37(25).pdf", 2} for TF_w37182.
struct FormFile {
    QString name;
    int page = 0;
};
std::optional<FormFile> form_file_of(std::string_view page_class);

class BackgroundFolder {
public:
    // Reads placement.txt, if there is one.
    BackgroundFolder(QString dir, BackgroundNotice notice);
    ~BackgroundFolder();
    BackgroundFolder(const BackgroundFolder&) = delete;
    BackgroundFolder& operator=(const BackgroundFolder&) = delete;

    // The background of a page of that class. A PDF is read once; a scan is
    // decoded when asked for (the last one is kept).
    UserBackground of(std::string_view page_class);
    // Whether some page class has a scan file here (not decoded).
    bool has_scans() const;
    // The placement of a page class: none unless placement.txt gives one.
    Placement placement_of(std::string_view page_class) const;

private:
    struct Choice;
    const Choice& choice_of(std::string_view page_class);
    void not_used(const QString& file, const std::string& why);
    const std::vector<std::shared_ptr<const PdfBackgroundPage>>* pdf_pages(const QString& file);
    QImage scan(const QString& file);

    QString dir_;
    BackgroundNotice notice_;
    std::map<std::string, Placement, std::less<>> placements_;
    std::map<std::string, std::unique_ptr<Choice>, std::less<>> choices_;
    // Every PDF file read, or nullopt for one that cannot be used.
    std::map<QString, std::optional<std::vector<std::shared_ptr<const PdfBackgroundPage>>>> pdfs_;
    QString last_scan_file_;
    QImage last_scan_;
};

// The folder of DEK2018_SCANS; empty when it is not set.
QString scans_folder();

}  // namespace dek::platform
