// Writes the seed corpora of the fuzz targets into DIR/<target>/: the
// built-in sample returns, and byte images and texts made from them.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/return_file.h"
#include "host/samples.h"
#include "records/byte_image.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const void* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}
void write(const fs::path& file, const std::string& s) { write(file, s.data(), s.size()); }
void write(const fs::path& file, const std::vector<std::uint8_t>& v) { write(file, v.data(), v.size()); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds DIR\n", stderr);
        return 2;
    }
    const fs::path dir = argv[1];
    for (const char* t :
         {"fuzz_return_file", "fuzz_rek28", "fuzz_rekster", "fuzz_real48", "fuzz_text", "fuzz_dt1", "fuzz_amount"})
        fs::create_directories(dir / t);
    // Amounts at the bounds and at halves: 8 bytes of hundredths, then the
    // sign, thousandths and shift byte.
    {
        const struct {
            std::uint64_t amount;
            std::uint8_t flags;
        } amounts[] = {{858993459199, 0}, {858993459199, 1},  {858993459200, 0},  {100500, 2},   {2675, 2},
                       {1234565, 2},      {1099511627775, 0}, {1099511627776, 0}, {13107199, 0}, {15000054, 0}};
        int n = 0;
        for (const auto& a : amounts) {
            std::vector<std::uint8_t> bytes(9);
            std::memcpy(bytes.data(), &a.amount, 8);
            bytes[8] = a.flags;
            write(dir / "fuzz_amount" / (std::to_string(n++) + ".bin"), bytes);
        }
    }
    try {
        std::vector<dek::HostData> loaded;
        for (const auto& s : dek::host::samples()) {
            write(dir / "fuzz_return_file" / (std::string(s.name) + ".json"), std::string(s.json));
            loaded.push_back(dek::host::load_return_text(s.json, std::string(s.name)).data);
        }
        write(dir / "fuzz_return_file" / "arrays.json",
              std::string(R"({"form": "PIT-28", "wsp_z_malz": [], "rek01": {"pitbr": {"2": {"p": {"8": 1.5}}}},)"
                          R"( "zal28": {"pitz": 1}, "rek28": {"sp": [[1, 2], {"6": 3}]}})"));

        int n = 0;
        for (const auto& d : loaded) {
            const std::string tag = std::to_string(n++);
            write(dir / "fuzz_rek28" / (tag + ".bin"), dek::to_bytes(d.rek28));
            // A settings record with the blank-sheet bytes set, and a write script.
            std::vector<std::uint8_t> rekster(dek::rekster_t::size, 0);
            for (std::size_t i = 0; i < rekster.size(); ++i) rekster[i] = static_cast<std::uint8_t>(i * 7 + n);
            rekster.insert(rekster.end(), {1, 3, 200, 5, 0, 9});
            write(dir / "fuzz_rekster" / (tag + ".bin"), rekster);
            // The first amounts of the return, as 6-byte reals followed by doubles.
            std::vector<std::uint8_t> reals;
            for (double v : {d.rekdek.pod, d.rekdek.dpo, d.rek28.przdg[1], d.rekdek.pito.odl[1]}) {
                const auto b = dek::real48_encode(v);
                reals.insert(reals.end(), b.begin(), b.end());
                const auto* raw = reinterpret_cast<const std::uint8_t*>(&v);
                reals.insert(reals.end(), raw, raw + sizeof v);
            }
            write(dir / "fuzz_real48" / (tag + ".bin"), reals);
            // Texts in both encodings: the person's name and the tax office.
            write(dir / "fuzz_text" / (tag + "-utf8.txt"), d.rekdek.podatnik.nazw.str() + " " + d.rekdek.urz.str());
            write(dir / "fuzz_text" / (tag + "-cp1250.bin"),
                  std::string(1, static_cast<char>(d.rekdek.urz.size())) + d.rekdek.urz.cp1250());
            const auto date = d.rekdek.podatnik.dur.bytes();
            write(dir / "fuzz_dt1" / (tag + ".bin"), date.data(), date.size());
        }
        write(dir / "fuzz_dt1" / "text.txt", std::string("2016-02-29"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
