// A host application of the print module: fills the records of a PIT-37
// return in code, creates the return's print dialog by its class name and
// prints every sheet it offers into one PDF, without a screen, through the
// platform that answers the prompts from a script.
//   minimal-host OUT.pdf
#include <dek2018/module.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: minimal-host OUT.pdf\n", stderr);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);  // no screen needed
    QApplication app(argc, argv);
    dek::api::Module& module = dek::api::module();

    // The records the host fills: a couple filing jointly, one attachment (PIT/O).
    dek::HostData data;
    dek::rekdek_t& r = data.rekdek;
    r.rok = 2018;
    r.sp_opod = 1;  // joint taxation: a member of data.wsp_z_malz
    r.nip = "6832134576";
    r.urz = "Urząd Skarbowy w Siemianowicach Śląskich";
    r.podatnik.nazw = "Wąsowicz";
    r.podatnik.im = "Grzegorz";
    r.podatnik.pesel = "78091412352";
    r.malzonek.nazw = "Wąsowicz";
    r.malzonek.im = "Małgorzata";
    r.malzonek.pesel = "81032708748";
    r.dochody[1].zr[1] = {180000.00, 41480.39, 138519.61, 13137.00};
    r.dochody[1].zr[9] = r.dochody[1].zr[1];
    r.dochody[2].zr[1] = {96000.00, 1335.00, 94665.00, 7695.00};
    r.dochody[2].zr[9] = r.dochody[2].zr[1];
    r.ilzal[5] = 1;  // PIT/O
    r.pito.odl[1] = 8733.21;
    data.rek_uz.zwrot = 1112.00;
    // Blank-sheet printing on; no settings file is bound, and none is written
    // while the choice stays as it is.
    data.rekster.set_niezadr(dek::rekster_t::niezadr37_at, true);

    // One PDF of every sheet, every prompt answered OK, the transcript on stdout.
    auto document = module.document_printer({argv[1], "PIT-37 2018"});
    auto platform = module.scripted_platform(*document, {}, &std::cout);
    auto dialog = module.create_dialog("Tf_wydpit37", {data, *platform}, nullptr);
    if (!dialog) {
        std::fputs("minimal-host: the module has no dialog class Tf_wydpit37\n", stderr);
        return 1;
    }
    dialog->run_headless({});
    dialog.reset();
    try {
        if (platform->errors() != 0 || !document->finish()) return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "minimal-host: %s\n", e.what());
        return 1;
    }
    std::printf("%d sheets in %s (module %s)\n", document->pages(), argv[1], module.version().c_str());
    return 0;
}
