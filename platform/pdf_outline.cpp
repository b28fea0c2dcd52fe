#include "platform/pdf_outline.h"

#include <exception>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace dek::platform {

std::string with_outline(std::string_view pdf, const std::vector<std::string>& titles) {
    try {
        QPDF doc;
        // Warnings of a damaged file are errors here: the file is our own.
        doc.setSuppressWarnings(true);
        doc.processMemoryFile("document", pdf.data(), pdf.size());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(doc).getAllPages();
        if (pages.size() != titles.size())
            throw std::logic_error("an outline of " + std::to_string(titles.size()) + " entries for " +
                                   std::to_string(pages.size()) + " pages");
        if (doc.anyWarnings()) throw OutlineError("the document does not read back cleanly");

        QPDFObjectHandle outlines = doc.makeIndirectObject(QPDFObjectHandle::newDictionary());
        outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        std::vector<QPDFObjectHandle> items;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            QPDFObjectHandle item = doc.makeIndirectObject(QPDFObjectHandle::newDictionary());
            item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(titles[i]));
            item.replaceKey("/Parent", outlines);
            item.replaceKey(
                "/Dest", QPDFObjectHandle::newArray({pages[i].getObjectHandle(), QPDFObjectHandle::newName("/Fit")}));
            if (!items.empty()) {
                item.replaceKey("/Prev", items.back());
                items.back().replaceKey("/Next", item);
            }
            items.push_back(item);
        }
        if (!items.empty()) {
            outlines.replaceKey("/First", items.front());
            outlines.replaceKey("/Last", items.back());
            outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(items.size())));
        }
        QPDFObjectHandle root = doc.getRoot();
        root.replaceKey("/Outlines", outlines);
        root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));

        QPDFWriter writer(doc);
        writer.setOutputMemory();
        // Same bytes for the same pages: the file identifier comes from the content.
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(out->getBuffer()), out->getSize());
    } catch (const std::logic_error&) {
        throw;
    } catch (const std::exception& e) {
        throw OutlineError(std::string("cannot add the outline: ") + e.what());
    }
}

}  // namespace dek::platform
