// One page class filled from the records and drawn on its own, as the render
// entry points of the module do it.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dek2018/render.h"
#include "records/host_data.h"

namespace dek::library {

// The variant fields of a page class with the values its jobs give them;
// nothing when there is no such class.
std::optional<std::vector<api::VariantField>> variant_fields(std::string_view page_class);

// The page of `request` filled from `data` as a one-page PDF document, or as
// a picture at `dpi`. A page that the job of `request.dialog_class` prepares
// the records for is prepared first, as the job does before its sheet.
// Throws std::invalid_argument for a page class that does not exist.
std::string render_pdf(HostData& data, const api::RenderRequest& request);
QImage render_image(HostData& data, const api::RenderRequest& request, int dpi);

}  // namespace dek::library
