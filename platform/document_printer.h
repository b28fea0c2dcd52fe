// The printer of a document of the whole return: every sheet a print job
// prints becomes the next page of one PDF file, each page bookmarked with
// its sheet's name. Only this printer is offered, whatever the system has.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dek2018/platform.h"
#include "platform/printers.h"
#include "platform/render.h"

class QPdfWriter;
class QPainter;

namespace dek::platform {

// The file, its title ("PIT-37 2018") and whether it is an archive copy
// (PDF/A-1b): the public API's options.
using DocumentOptions = api::DocumentOptions;

class DocumentPrinter final : public Printers {
public:
    explicit DocumentPrinter(DocumentOptions options);
    ~DocumentPrinter() override;

    // One printer, the PDF printer, which is the current one.
    const std::vector<std::string>& names() const override { return names_; }
    int index() const override { return 0; }
    void set_index(int index) override;

    // The bookmark of the next sheet printed; a sheet not named is
    // bookmarked by its page class.
    void name_next_sheet(std::string title) { next_title_ = std::move(title); }
    // Paints the page on a new page of the document.
    void print(const report::PageReport& page) override;
    const std::filesystem::path& file() const { return options_.file; }
    int pages() const { return static_cast<int>(titles_.size()); }
    const std::vector<std::string>& titles() const { return titles_; }

    // Ends the document, adds its outline and writes the file: a new file in
    // the file's folder, renamed over the name once complete, so a failed
    // write leaves nothing behind and the old file as it was. Nothing is
    // written when no sheet was printed (returns false). Throws PrintError,
    // naming the file with the system's reason, when it cannot be written.
    bool finish();

private:
    DocumentOptions options_;
    std::vector<std::string> names_;
    std::vector<std::string> titles_;
    std::string next_title_;
    QByteArray pdf_;
    QBuffer buffer_;
    PageRenderer renderer_;  // for all the document's sheets
    std::unique_ptr<PdfDocument> document_;
    std::unique_ptr<QPdfWriter> writer_;  // painted instead, when the pages may show the user's scans
    std::unique_ptr<QPainter> painter_;
};

}  // namespace dek::platform
