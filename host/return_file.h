// Return files: the host stand-in's input. A UTF-8 JSON object names the form
// and fills the records by their field names:
//
//   { "form": "PIT-37",
//     "rekdek": { "nip": "5260250274", "podatnik": { "nazw": "Kowalski" },
//                 "ilzal": { "5": 1 }, "pito": { "odl": [0, 8733.21] } },
//     "rek_uz": { "zwrot": 1112.0 }, "wsp_z_malz": [1] }
//
// The loader walks each record's own field list, so every field of the
// records has its key and no key exists that the records lack.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "records/host_data.h"

namespace dek::host {

enum class Form { pit37, pit36, pit36l, pit28 };

// "PIT-37", "PIT-36", "PIT-36L", "PIT-28": the names of the "form" key.
std::string_view form_name(Form form);
std::optional<Form> form_by_name(std::string_view name);
// Registered class name of the form's print dialog: "Tf_wydpit37", "Tf_wydpit36",
// "Tf_wydpit36L", "Tf_wydpit28".
std::string_view dialog_class_name(Form form);
// The return is filed for an enterprise in inheritance (PIT-36S, PIT-36LS,
// PIT-28S): the `spadek` flag of the form's record, `rek28.spadek` for PIT-28
// and `rekdek.spadek` for PIT-36 and PIT-36L. PIT-37 has no such variant.
bool is_spadek(Form form, const HostData& data);
// The form as the user knows it: form_name, with "S" appended when is_spadek.
std::string form_title(Form form, const HostData& data);

struct ReturnFile {
    Form form = Form::pit37;
    HostData data;  // records filled from the file; rekster and zbster stay default
};

// Bad input: the message reads "FILE: JSON.PATH: what is wrong" (the path is
// left out when the fault is not in one value), with the records' declared
// indices in the path: "rekdek.dochody[2].zr[9].prz".
class ReturnFileError : public std::runtime_error {
public:
    ReturnFileError(std::string file, std::string path, std::string problem);
    const std::string& file() const { return file_; }
    const std::string& path() const { return path_; }  // empty when the fault is not in one value
    const std::string& problem() const { return problem_; }

private:
    std::string file_, path_, problem_;
};

// Largest return file read. A return with every field filled is a few
// hundred kilobytes; the limit keeps a hostile file from filling memory
// (its JSON tree can take up to a hundred times the file's size).
inline constexpr std::size_t kMaxReturnFileSize = 1024 * 1024;

// Longest reference number of an electronic filing (`nr_dek_refer`) taken:
// what box 3 of a first page holds, on two lines, at a readable size.
inline constexpr std::size_t kMaxReferenceNumber = 64;

// Amounts: a 6-byte real field takes magnitudes below 2^33 (kAmountBound),
// where every amount with two decimals prints as given; `zal44`, which packs
// two whole-złoty amounts in one value, takes magnitudes below 2^40
// (kPackedAmountBound); a single field takes only the amounts it holds to the
// grosz. Anything beyond is refused with its path.

// Reads and loads a return file; a file that cannot be read is a ReturnFileError too.
ReturnFile load_return_file(const std::string& path);
// Loads a return from JSON text; `display_name` stands for the file in messages.
ReturnFile load_return_text(std::string_view text, const std::string& display_name);

}  // namespace dek::host
